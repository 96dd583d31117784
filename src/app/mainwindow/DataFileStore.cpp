#include "DataFileStore.h"

#include "core/document/ModifiedCheck.h"
#include "platform/SystemFileCommit.h"
#include "startup/AppContext.h"

#include <QFileInfo>

namespace r5k27 {

namespace {

// Puts the file's name before each refusal, so the user knows which file was turned down.
class FileNamingPrompter : public Prompter {
public:
    FileNamingPrompter(Prompter& inner, const QString& path)
        : inner_(inner)
        , name_(QFileInfo(path).fileName()) {}

    Answer ask(const QString& text, Buttons buttons, Icon icon) override {
        return inner_.ask(buttons == Buttons::Ok ? name_ + QStringLiteral(": ") + text : text,
                          buttons, icon);
    }

private:
    Prompter& inner_;
    QString name_;
};

} // namespace

DataFileStore::DataFileStore(AppContext& ctx, Prompter& prompter)
    : ctx_(ctx)
    , files_{ctx.doc, ctx.settings, ctx.versions, prompter, systemFileCalls()} {}

void DataFileStore::setVersionStarter(std::function<void(const QString& tag)> startVersion) {
    files_.startVersionProgram = std::move(startVersion);
}

bool DataFileStore::isModified() const {
    return r5k27::isModified(ctx_.doc);
}

bool DataFileStore::open(const QString& path) {
    FileNamingPrompter naming(files_.prompter, path);
    DataFileContext files{files_.doc, files_.settings, files_.versions,
                          naming,     files_.fs,       files_.startVersionProgram};
    return openDataFile(files, path);
}

bool DataFileStore::save(const QString& path) {
    return saveDataFile(files_, path);
}

void DataFileStore::loadDefault(DefaultFileKind kind) {
    loadDefaultFile(ctx_.doc, ctx_.settings, ctx_.paths.programFolder, kind);
}

} // namespace r5k27
