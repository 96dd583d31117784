#pragma once

#include "DocumentStore.h"

namespace r5k27 {

// What a main window gets when it is shown without files or file dialogs: the guide's
// pictures and the window benchmarks.
struct NoDocumentStore : DocumentStore {
    bool isModified() const override { return false; }
    bool open(const QString&) override { return false; }
    bool save(const QString&) override { return false; }
    void loadDefault(DefaultFileKind) override {}
};

struct NoFileDialogs : FileDialogs {
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace r5k27
