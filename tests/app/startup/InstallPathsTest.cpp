#include "startup/InstallPaths.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(InstallPaths, SettingsAndVersionListLiveInTheInstallFolder) {
    const auto win = InstallPaths::forProgramFolder("C:\\X\\ZT_418", u'\\');
    EXPECT_EQ(win.installFolder, "C:\\X");
    EXPECT_EQ(win.settingsFile(), "C:\\X\\language\\mysetup.ini");
    EXPECT_EQ(win.versionListFile(), "C:\\X\\Version.ini");
    EXPECT_EQ(win.inProgramFolder("Init/0_ZT6666.dat"), "C:\\X\\ZT_418\\Init\\0_ZT6666.dat");

    const auto unix = InstallPaths::forProgramFolder("/opt/R5K27/V200", u'/');
    EXPECT_EQ(unix.settingsFile(), "/opt/R5K27/language/mysetup.ini");
}

TEST(InstallPaths, FolderWithoutAParentIsKeptWhole) {
    EXPECT_EQ(installFolderOf("ZT_418", u'\\'), "ZT_418");
    EXPECT_EQ(installFolderOf("\\ZT_418", u'\\'), "\\ZT_418");
    EXPECT_EQ(installFolderOf("/V200", u'/'), "/V200");
    EXPECT_EQ(installFolderOf("", u'/'), "");
}

} // namespace
} // namespace r5k27
