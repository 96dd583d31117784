// Opening a data file pair with every check, as File > Open does: any bytes in either file.
// Input: data-file length (2 bytes), the data file, the channel file.
#include "FuzzInput.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace r5k27;

namespace {

class SilentPrompter : public Prompter {
public:
    Answer ask(const QString&, Buttons buttons, Icon) override {
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
};

const QString& dataPath() {
    // In memory where possible: the files are rewritten for every input.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/r5k27-fuzz-XXXXXX")
                                 : QString());
    static const QString path = dir.filePath(QStringLiteral("doc.dat"));
    return path;
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const QByteArray dataFile = input.take(std::size_t(input.word()));
    put(dataPath(), dataFile);
    put(companionPath(dataPath()), input.rest());

    Document doc;
    AppSettings settings;
    const VersionList versions = VersionList::builtIn();
    SilentPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    if (!openDataFile(ctx, dataPath()))
        return 0;
    // Whatever was accepted saves, and the saved pair opens and saves again byte for byte
    // (the first save may still normalise identity fields).
    if (!saveDataFile(ctx, dataPath()))
        std::abort();
    const QByteArray saved = bytesOf(dataPath()) + bytesOf(companionPath(dataPath()));
    if (!openDataFile(ctx, dataPath()) || !saveDataFile(ctx, dataPath()) ||
        bytesOf(dataPath()) + bytesOf(companionPath(dataPath())) != saved)
        std::abort();
    return 0;
}
