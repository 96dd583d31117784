#include "startup/VersionLauncher.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct Launch {
    test::ScriptedPrompter prompter;
    QStringList started;
    bool ended = false;
    bool exitAllowed = true;
    bool startWorks = true;

    bool run(const QString& tag, const VersionList& list) {
        const auto paths = InstallPaths::forProgramFolder("C:\\X\\V200", u'\\');
        return startVersionProgram(tag, list, paths, "r5k27.exe", Language::English, prompter,
                                   {.mayExit = [this] { return exitAllowed; },
                                    .startProgram =
                                        [this](const QString& p) {
                                            started << p;
                                            return startWorks;
                                        },
                                    .endThisProgram = [this] { ended = true; }});
    }
};

VersionList withV100() {
    return VersionList::load([](const QString& section, const QString& key) -> QString {
        if (section == "Version" && key == "FirmVersionCount")
            return "2";
        if (key == "Firm0")
            return "V200V200";
        if (key == "Firm1")
            return "V100V100";
        return {};
    });
}

TEST(VersionLauncher, StartsTheMatchingVersionAndEnds) {
    Launch launch;
    EXPECT_TRUE(launch.run("V100", withV100()));
    EXPECT_EQ(launch.started, QStringList({"C:\\X\\V100\\r5k27.exe"}));
    EXPECT_TRUE(launch.ended);
    EXPECT_TRUE(launch.prompter.shown.isEmpty());
}

TEST(VersionLauncher, UnknownVersionIsReportedAndNothingStarts) {
    Launch launch;
    EXPECT_FALSE(launch.run("V100", VersionList::builtIn()));
    EXPECT_EQ(launch.prompter.texts(),
              QStringList({"Fail to start the software. This version does not exist."}));
    EXPECT_TRUE(launch.started.isEmpty());
    EXPECT_FALSE(launch.ended);
}

TEST(VersionLauncher, DeclinedExitOrFailedStartKeepsThisProgramRunning) {
    Launch declined;
    declined.exitAllowed = false;
    EXPECT_FALSE(declined.run("V100", withV100()));
    EXPECT_TRUE(declined.started.isEmpty());
    EXPECT_FALSE(declined.ended);

    Launch missing;
    missing.startWorks = false;
    EXPECT_FALSE(missing.run("V100", withV100()));
    EXPECT_FALSE(missing.ended);
    EXPECT_EQ(missing.prompter.shown.size(), 1);
}

} // namespace
} // namespace r5k27
