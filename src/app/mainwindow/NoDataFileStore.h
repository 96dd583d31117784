#pragma once

#include "DocumentStore.h"
#include "common/AppSettings.h"
#include "common/Prompter.h"
#include "lang/CaptionTables.h"

namespace r5k27 {

// Stands in while this build has no data-file module: nothing counts as modified (there is
// nothing that could be saved), and opening or saving reports "file error." without touching
// any file.
class NoDataFileStore : public DocumentStore {
public:
    NoDataFileStore(const AppSettings& settings, const CaptionTables& captions, Prompter& prompter)
        : settings_(settings)
        , captions_(captions)
        , prompter_(prompter) {}

    bool isModified() const override { return false; }
    bool open(const QString&) override { return fail(); }
    bool save(const QString&) override { return fail(); }
    void loadDefault(DefaultKind) override {}

private:
    bool fail() {
        prompter_.error(captions_.messages.fileError.text(settings_.langIndex));
        return false;
    }

    const AppSettings& settings_;
    const CaptionTables& captions_;
    Prompter& prompter_;
};

} // namespace r5k27
