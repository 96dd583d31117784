#include "platform/UserSettingsStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(UserSettingsStore, KeepsIntegersAndFallsBackOnMissingOrBadValues) {
    test::TempDir dir;
    dir.write("user.ini", "[Settings]\nMainLeft=abc\nMainTop= 45 \n");
    auto store = UserSettingsStore::inFile(dir.path("user.ini"));
    EXPECT_EQ(store.readInt(Settings::mainLeft), 100);
    EXPECT_EQ(store.readInt(Settings::mainTop), 45);
    EXPECT_EQ(store.readInt(Settings::mainWidth), 14500);
    store.writeInt(Settings::mainWidth, -300);
    store.sync();
    EXPECT_EQ(UserSettingsStore::inFile(dir.path("user.ini")).readInt(Settings::mainWidth), -300);
}

} // namespace
} // namespace r5k27
