#include "about/AboutWindow.h"

#include "about/SystemReport.h"
#include "common/ProgramInfo.h"
#include "startup/AppContext.h"
#include "support/ScriptedPrompter.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(About, EnglishAndChineseWindowsShowTitleAndVersion) {
    AppContext ctx;
    initCaptionTables(ctx.captions);
    test::ScriptedPrompter prompter;
    {
        AboutWindow english(ctx, prompter);
        EXPECT_EQ(english.objectName(), "FrmAbout2");
        EXPECT_EQ(english.findChild<QLabel*>("lblVersion")->text(), "Version 2.0.0");
        EXPECT_EQ(english.findChild<QLabel*>("lblTitle")->text(), "R5K27 Programmer");
        EXPECT_EQ(english.findChild<QPushButton*>("cmdSysInfo"), nullptr);
    }
    ctx.settings.language = Language::Chinese;
    AboutWindow chinese(ctx, prompter);
    EXPECT_EQ(chinese.objectName(), "frmAbout");
    EXPECT_EQ(chinese.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 2.0.0"));
    EXPECT_EQ(chinese.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("确定(&O)"));
    auto* sysInfo = chinese.findChild<QPushButton*>("cmdSysInfo");
    ASSERT_NE(sysInfo, nullptr);
#ifndef Q_OS_WIN
    sysInfo->click();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains(QStringLiteral("程序版本：2.0.0")));
    EXPECT_TRUE(prompter.shown[0].text.contains(QString::fromLatin1(qVersion())));
#endif
}

TEST(About, VersionTextKeepsMajorMinorRevision) {
    EXPECT_EQ(versionText(Language::English, "2.0.0"), "Version 2.0.0");
    EXPECT_EQ(versionText(Language::English, "2.1.3.7"), "Version 2.1.3");
    EXPECT_EQ(versionText(Language::Chinese, "3"), QStringLiteral("版本 3.0.0"));
}

TEST(About, SystemReportListsPortsOrSaysNoneFound) {
    SystemFacts facts{"Debian GNU/Linux 12", "6.4.2", "2.0.0", {"ttyUSB0", "ttyS0"}};
    EXPECT_EQ(systemReport(facts, Language::English),
              "System: Debian GNU/Linux 12\nQt version: 6.4.2\nProgram version: 2.0.0\n"
              "Serial ports: ttyUSB0, ttyS0");
    facts.serialPorts.clear();
    EXPECT_TRUE(systemReport(facts, Language::Chinese).endsWith(QStringLiteral("串口：未找到")));
}

} // namespace
} // namespace r5k27
