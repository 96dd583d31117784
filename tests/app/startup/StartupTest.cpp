#include "startup/Startup.h"

#include "app/mainwindow/MainWindowHarness.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "core/document/ModifiedCheck.h"
#include "platform/ProfileFile.h"
#include "platform/SystemFileCommit.h"
#include "startup/StartupSettings.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct Loaded {
    AppSettings settings;
    MemoryImage image;
};

Loaded loadFrom(const QString& path) {
    Loaded out;
    out.settings.language = Language::Chinese; // start values must be reset, not inherited
    out.settings.comPortNo = 9;
    loadStartupSettings(ProfileFile(path), out.settings, out.image);
    return out;
}

TEST(StartupSettings, FirstRunStartsInEnglishAndWritesBackKeepingTheRest) {
    test::TempDir dir;
    const QString path = dir.write("mysetup.ini", "; shop settings\r\n[language]\r\n"
                                                  "IsFirstRun=1\r\nCurrentLanguage=2\r\n"
                                                  "Extra=keep\r\n\r\n[Other]\r\nx=1\r\n");
    const Loaded loaded = loadFrom(path);
    EXPECT_EQ(loaded.settings.language, Language::English);
    EXPECT_EQ(loaded.settings.comPortNo, 1);
    EXPECT_EQ(loaded.image.workMode, 1);
    EXPECT_EQ(loaded.settings.modelName, "BRELLOCK R5K27");
    EXPECT_EQ(dir.read("mysetup.ini"), QByteArray("; shop settings\r\n[language]\r\n"
                                                  "IsFirstRun=0\r\nCurrentLanguage=1\r\n"
                                                  "Extra=keep\r\ncomPort=1\r\n\r\n"
                                                  "[Other]\r\nx=1\r\n"));
}

TEST(StartupSettings, LaterRunReadsEveryKey) {
    test::TempDir dir;
    const QString path = dir.write("mysetup.ini", "[LANGUAGE]\nisfirstrun=0\ncomPort=4\n"
                                                  "Handshaking=2\nStopBit=2\nCurrentLanguage=2\n"
                                                  "comPortName=ttyUSB1\n");
    const Loaded loaded = loadFrom(path);
    EXPECT_EQ(loaded.settings.language, Language::Chinese);
    EXPECT_EQ(loaded.settings.comPortNo, 4);
    EXPECT_EQ(loaded.settings.comPortName, "ttyUSB1");
    EXPECT_EQ(loaded.settings.handshakeSetting, 2);
    EXPECT_EQ(loaded.settings.stopBitSetting, 2);
    EXPECT_EQ(dir.read("mysetup.ini"), QByteArray("[LANGUAGE]\nisfirstrun=0\ncomPort=4\n"
                                                  "Handshaking=2\nStopBit=2\nCurrentLanguage=2\n"
                                                  "comPortName=ttyUSB1\n"));
}

TEST(StartupSettings, BadOrMissingValuesGiveTheDefaults) {
    test::TempDir dir;
    const QString path = dir.write("mysetup.ini", "[language]\nIsFirstRun=maybe\ncomPort=COM3\n"
                                                  "CurrentLanguage=3\n\x01\xFF garbage\n");
    const Loaded loaded = loadFrom(path);
    EXPECT_EQ(loaded.settings.comPortNo, 1);
    EXPECT_EQ(loaded.settings.language, Language::English);
    EXPECT_EQ(loaded.settings.handshakeSetting, 0);
    EXPECT_EQ(loaded.settings.stopBitSetting, 1);
    // Not numeric counts as "not a first run": IsFirstRun is left as it was.
    EXPECT_EQ(ProfileFile(path).read("language", "IsFirstRun"), "maybe");
    EXPECT_EQ(ProfileFile(path).read("language", "comPort"), "1");
    EXPECT_EQ(ProfileFile(path).read("language", "CurrentLanguage"), "1");
    EXPECT_TRUE(dir.read("mysetup.ini").contains("\x01\xFF garbage\n"));
}

TEST(StartupSettings, FileSavedByATextEditorWithByteOrderMarkAndWords) {
    test::TempDir dir;
    const QByteArray bom = "\xEF\xBB\xBF";
    const QString path = dir.write("mysetup.ini", bom + "[language]\r\nIsFirstRun=False\r\n"
                                                        "comPort=3\r\nCurrentLanguage=2\r\n");
    EXPECT_EQ(loadFrom(path).settings.language, Language::Chinese);
    EXPECT_EQ(loadFrom(path).settings.comPortNo, 3);
    // Written back in place: the mark stays and no second section appears.
    EXPECT_EQ(dir.read("mysetup.ini"), bom + "[language]\r\nIsFirstRun=False\r\n"
                                             "comPort=3\r\nCurrentLanguage=2\r\n");

    for (const char* yes : {"True", "TRUE", " true ", "1", "-1"}) {
        dir.write("mysetup.ini", bom + "[language]\nIsFirstRun=" + yes + "\nCurrentLanguage=2\n");
        EXPECT_EQ(loadFrom(path).settings.language, Language::English) << yes;
    }
    EXPECT_EQ(ProfileFile(path).read("language", "IsFirstRun"), "0");
    dir.write("mysetup.ini", "[language]\nIsFirstRun=tRUE\nCurrentLanguage=2\n");
    EXPECT_EQ(loadFrom(path).settings.language, Language::English);
    EXPECT_EQ(ProfileFile(path).read("language", "IsFirstRun"), "False");
    EXPECT_EQ(loadFrom(path).settings.language, Language::English); // CurrentLanguage was written 1
    dir.write("mysetup.ini", "[language]\nIsFirstRun=false\nCurrentLanguage=2\n");
    EXPECT_EQ(loadFrom(path).settings.language, Language::Chinese);
}

TEST(StartupSettings, MissingFileIsAFirstRunAndGetsCreated) {
    test::TempDir dir;
    const Loaded loaded = loadFrom(dir.path("mysetup.ini"));
    EXPECT_EQ(loaded.settings.language, Language::English);
    const ProfileFile file(dir.path("mysetup.ini"));
    EXPECT_EQ(file.read("language", "IsFirstRun"), "0");
    EXPECT_EQ(file.read("language", "comPort"), "1");
    EXPECT_EQ(file.read("language", "CurrentLanguage"), "1");
}

TEST(StartupSettings, ReadOnlyInstallUsesASeededPerUserCopy) {
    test::TempDir dir;
    const QString installed =
        dir.write("install/language/mysetup.ini", "[language]\nIsFirstRun=0\nCurrentLanguage=2\n");
    const QString userDir = dir.path("user/config");
    const QString used = resolveSettingsFile(installed, userDir, false);
    EXPECT_EQ(used, userDir + "/mysetup.ini");
    EXPECT_EQ(ProfileFile(used).read("language", "CurrentLanguage"), "2");
    ASSERT_TRUE(ProfileFile(used).write("language", "CurrentLanguage", "1"));
    // Later starts keep the user's own copy instead of seeding it again.
    EXPECT_EQ(resolveSettingsFile(installed, userDir, false), used);
    EXPECT_EQ(ProfileFile(used).read("language", "CurrentLanguage"), "1");
    EXPECT_EQ(ProfileFile(installed).read("language", "CurrentLanguage"), "2");
    EXPECT_EQ(resolveSettingsFile(installed, userDir, true), installed);
}

// A whole install tree: version list, settings, then the first window in the chosen language.
TEST(Startup, ChineseSettingStartsInChineseWithTheInstalledVersionList) {
    test::TempDir dir;
    dir.write("R5K27/Version.ini", "[Version]\r\nFirmVersionCount=2\r\n[Firm]\r\n"
                                   "Firm0=V200V200\r\nFirm1=V100V100\r\n");
    dir.write("R5K27/language/mysetup.ini", "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n");
    test::MainWindowHarness harness;
    AppContext& ctx = harness.ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.path("R5K27/V200"), u'/');
    ctx.settingsFile = ctx.paths.settingsFile();
    bool splashShown = false;
    runStartup(ctx, {.showSplash = [&] { splashShown = true; }});

    EXPECT_TRUE(splashShown);
    EXPECT_EQ(ctx.settings.language, Language::Chinese);
    EXPECT_EQ(ctx.versions.folderOfVersion("V100"), "V100");
    EXPECT_EQ(ctx.doc.curImage.verTag.clean(), "V200");
    EXPECT_EQ(QLocale().decimalPoint(), ".");
    EXPECT_TRUE(ctx.doc.docUntitled);

    // No default file installed: the built-in document is a CB one and the band follows it.
    EXPECT_EQ(ctx.doc.curImage.workMode, 0);
    auto window = harness.makeWindow();
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("BRELLOCK R5K27[25.6150 - 30.1050 MHz][文件名:new.dat]"));
}

TEST(Startup, StartsWithTheInstalledNewDocumentStoredAsSaved) {
    test::TempDir dir;
    // An HF document with a recognisable group name as the installed New default file.
    Document installed;
    AppSettings settings;
    writeBuiltInDefaults(installed, settings, 1, QDate(2026, 1, 2));
    installed.curImage.optFeat.groupName(1, 2).assign("HF-B");
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    DataFileContext files{installed, settings, versions, prompter, systemFileCalls()};
    QDir().mkpath(dir.path("R5K27/V200/Init"));
    ASSERT_TRUE(saveDataFile(files, dir.path("R5K27/V200/Init/1_ZT6666_New.dat")));

    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.path("R5K27/V200"), u'/');
    ctx.settingsFile = dir.path("mysetup.ini");
    runStartup(ctx);
    EXPECT_EQ(ctx.doc.curImage.optFeat.groupName(1, 2).clean(), "HF-B");
    EXPECT_EQ(ctx.doc.curImage.workMode, 1);
    EXPECT_EQ(ctx.doc.docPath, "new.dat");
    EXPECT_TRUE(ctx.doc.docUntitled);
    EXPECT_FALSE(isModified(ctx.doc));
}

TEST(Startup, MissingVersionListStillAcceptsOwnFiles) {
    test::TempDir dir;
    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.path("R5K27/V200"), u'/');
    ctx.settingsFile = dir.path("mysetup.ini");
    runStartup(ctx);
    EXPECT_EQ(ctx.versions.firmList(), QStringList({"V200", "V200"}));
}

// A settings file or version list an editor saved as UTF-16 is named on screen, in the user's
// language; it is neither read nor written.
TEST(Startup, Utf16SettingsFileIsToldByNameAndLeftAlone) {
    test::TempDir dir;
    const QByteArray utf16("\xFF\xFE[\0l\0a\0n\0g\0]\0", 14);
    dir.write("R5K27/Version.ini", "[Version]\r\nFirmVersionCount=0\r\n");
    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.path("R5K27/V200"), u'/');
    ctx.settingsFile = dir.write("R5K27/language/mysetup.ini", utf16);
    EXPECT_EQ(startupNotices(ctx),
              QStringList{ctx.settingsFile +
                          " is saved as UTF-16 text: no setting is read from it and none is "
                          "saved in it. Save it as plain (ANSI) text to keep your settings."});
    ctx.settings.language = Language::Chinese;
    EXPECT_TRUE(startupNotices(ctx).value(0).startsWith(ctx.settingsFile + " 以 UTF-16 文本保存"));
    EXPECT_FALSE(ProfileFile(ctx.settingsFile).write("language", "comPort", "3"));
    EXPECT_EQ(dir.read("R5K27/language/mysetup.ini"), utf16);

    dir.write("R5K27/language/mysetup.ini", "[language]\r\n");
    EXPECT_TRUE(startupNotices(ctx).isEmpty());
}

} // namespace
} // namespace r5k27
