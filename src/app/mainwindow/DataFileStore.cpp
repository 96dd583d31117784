#include "DataFileStore.h"

#include "image/DocumentCompare.h"
#include "startup/AppContext.h"

namespace r5k27 {

DataFileStore::DataFileStore(AppContext& ctx, Prompter& prompter)
    : ctx_(ctx)
    , files_{ctx.doc, ctx.settings, ctx.versions, prompter} {}

void DataFileStore::setVersionStarter(std::function<void(const QString& tag)> startVersion) {
    files_.startVersionProgram = std::move(startVersion);
}

bool DataFileStore::isModified() const {
    return r5k27::isModified(ctx_.doc);
}

bool DataFileStore::open(const QString& path) {
    return openDataFile(files_, path);
}

bool DataFileStore::save(const QString& path) {
    return saveDataFile(files_, path);
}

void DataFileStore::loadDefault(DefaultFileKind kind) {
    loadDefaultFile(ctx_.doc, ctx_.settings, ctx_.paths.programFolder, kind);
}

} // namespace r5k27
