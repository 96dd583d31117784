// Open + save of a full document (46 channels in every group of both modes) and the unsaved-change
// test, each timed over many runs; prints median and p99.
#include "BenchSupport.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "core/document/ModifiedCheck.h"
#include "platform/SystemFileCommit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace r5k27;
using bench::fillEveryGroup;
using bench::reportTimings;

namespace {

class SilentPrompter : public Prompter {
public:
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Ok; }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Document doc;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    SilentPrompter prompter;
    DataFileContext ctx{doc, settings, versions, prompter, systemFileCalls()};
    writeBuiltInDefaults(doc, settings, 1, QDate(2026, 1, 1));
    fillEveryGroup(doc);
    const QString path = dir.filePath(QStringLiteral("full.dat"));
    if (!saveDataFile(ctx, path))
        return 1;
    std::printf("document: %d channel records\n", doc.curImage.chCount(0, 1) * 20);

    reportTimings("open", 2000, [&] { return openDataFile(ctx, path); });
    reportTimings("save", 2000, [&] { return saveDataFile(ctx, path); });
    reportTimings("open + save", 2000,
                  [&] { return openDataFile(ctx, path) && saveDataFile(ctx, path); });
    // The full comparison: nothing differs, so every field of every channel is looked at.
    volatile bool modified = false;
    reportTimings("IsModified (unchanged)", 200000, [&] {
        modified = isModified(doc);
        return !modified;
    });
    return 0;
}
