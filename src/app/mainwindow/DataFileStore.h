#pragma once

#include "DocumentStore.h"
#include "core/document/DataFile.h"

#include <functional>

namespace r5k27 {

struct AppContext;

// The document commands' view of the data-file module, working on the program's one document.
class DataFileStore : public DocumentStore {
public:
    // startVersion: starts the installed program version for a data-file tag (it asks and
    // reports itself); may be set later, once the window that asks before leaving exists.
    DataFileStore(AppContext& ctx, Prompter& prompter);

    void setVersionStarter(std::function<void(const QString& tag)> startVersion);

    bool isModified() const override;
    bool open(const QString& path) override;
    bool save(const QString& path) override;
    void loadDefault(DefaultFileKind kind) override;

private:
    AppContext& ctx_;
    DataFileContext files_;
};

} // namespace r5k27
