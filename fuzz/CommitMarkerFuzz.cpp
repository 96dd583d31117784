// Recovering a save from any marker, as opening a data file does: whatever the marker says, only
// the set's own files change, each to its old or its new content, and nothing of the save stays.
// Input: one byte saying which temporaries lie about (bit 0 the data file's, bit 1 the channel
// file's), then the marker.
#include "FuzzInput.h"
#include "core/common/CommitMarker.h"
#include "platform/SystemFileCommit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace r5k27;

namespace {

const QDir& root() {
    // In memory where possible: the files are rewritten for every input.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/r5k27-fuzz-XXXXXX")
                                 : QString());
    static const QDir folder(dir.path());
    return folder;
}

QString at(const QString& relative) {
    return root().filePath(relative);
}

void put(const QString& relative, const QByteArray& bytes) {
    QFile file(at(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray bytesOf(const QString& relative) {
    QFile file(at(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
}

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const int present = input.byte();
    const QByteArray marker = input.rest();

    QDir(at(QStringLiteral("work"))).removeRecursively();
    root().mkpath(QStringLiteral("work"));
    const QString tmp = kTemporarySuffix;
    // Outside the set: a file in the parent folder and another set beside it, each with a
    // temporary that a crafted marker could try to rename.
    for (const QString& name : {QStringLiteral("outside"), QStringLiteral("work/boat.dat")}) {
        put(name, "keep");
        put(name + tmp, "planted");
    }
    put(QStringLiteral("work/car.dat"), "data old");
    put(QStringLiteral("work/car.fre"), "channels old");
    if (present & 1)
        put(QStringLiteral("work/car.dat") + tmp, "data new");
    if (present & 2)
        put(QStringLiteral("work/car.fre") + tmp, "channels new");
    put(QStringLiteral("work/car.dat") + kMarkerSuffix, marker);

    const QStringList setNames{QStringLiteral("car.dat"), QStringLiteral("car.fre")};
    const auto names = parseCommitMarker(marker, setNames);
    if (names) {
        for (const QString& name : *names)
            require(setNames.contains(name) && names->count(name) == 1);
        require(parseCommitMarker(commitMarkerText(*names), setNames) == names);
    }

    const QString dataPath = at(QStringLiteral("work/car.dat"));
    const auto failure =
        recoverFileSet(markerPathOf(dataPath), {dataPath, at(QStringLiteral("work/car.fre"))});
    require(!failure);
    for (const QString& name : {QStringLiteral("outside"), QStringLiteral("work/boat.dat")}) {
        require(bytesOf(name) == "keep");
        require(bytesOf(name + tmp) == "planted");
    }
    // A marker of the set rolls its temporaries forward; any other is dropped with them.
    const bool dataNew = names && names->contains(setNames[0]) && (present & 1);
    const bool channelsNew = names && names->contains(setNames[1]) && (present & 2);
    require(bytesOf(QStringLiteral("work/car.dat")) == (dataNew ? "data new" : "data old"));
    require(bytesOf(QStringLiteral("work/car.fre")) ==
            (channelsNew ? "channels new" : "channels old"));
    require(QDir(at(QStringLiteral("work"))).entryList(QDir::Files | QDir::Hidden | QDir::System) ==
            QStringList({QStringLiteral("boat.dat"), QStringLiteral("boat.dat") + tmp,
                         QStringLiteral("car.dat"), QStringLiteral("car.fre")}));
    return 0;
}
