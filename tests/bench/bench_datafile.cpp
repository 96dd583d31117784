// Open + save of a full document (46 channels in every group of both modes) and the unsaved-change
// test, each timed over many runs; prints median and p99.
#include "channels/ChannelTable.h"
#include "image/DataFile.h"
#include "image/DocumentCompare.h"
#include "image/InitialValues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace r5k27;

namespace {

class SilentPrompter : public Prompter {
public:
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Ok; }
};

void fillEveryGroup(Document& doc) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int chNo = 2; chNo <= kOrdinaryChannels; ++chNo)
                addChannel(doc.curImage, doc.chTable, chNo, mode, group,
                           QStringLiteral("28.%1").arg(chNo * 10, 4, 10, QChar(u'0')));
}

void report(const char* name, int runs, const std::function<bool()>& op) {
    std::vector<double> micros;
    micros.reserve(std::size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const bool ok = op();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
        if (!ok) {
            std::printf("%s: failed at run %d\n", name, i);
            return;
        }
    }
    std::sort(micros.begin(), micros.end());
    const double median = micros[micros.size() / 2];
    const double p99 = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    std::printf("%-28s runs %6d  median %9.1f us  p99 %9.1f us\n", name, runs, median, p99);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Document doc;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    SilentPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter};
    writeBuiltInDefaults(doc, settings, 1, QDate(2026, 1, 1));
    fillEveryGroup(doc);
    const QString path = dir.filePath(QStringLiteral("full.dat"));
    if (!saveDataFile(ctx, path))
        return 1;
    std::printf("document: %d channel records\n", doc.curImage.chCount(0, 1) * 20);

    report("open", 2000, [&] { return openDataFile(ctx, path); });
    report("save", 2000, [&] { return saveDataFile(ctx, path); });
    report("open + save", 2000, [&] { return openDataFile(ctx, path) && saveDataFile(ctx, path); });
    // The full comparison: nothing differs, so every field of every channel is looked at.
    volatile bool modified = false;
    report("IsModified (unchanged)", 200000, [&] {
        modified = isModified(doc);
        return !modified;
    });
    return 0;
}
