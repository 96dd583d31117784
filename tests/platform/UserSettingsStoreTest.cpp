#include "platform/UserSettingsStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(UserSettingsStore, KeepsIntegersAndFallsBackOnMissingOrBadValues) {
    test::TempDir dir;
    dir.write("user.ini", "[Settings]\nMainLeft=abc\nMainTop= 45 \n");
    auto store = UserSettingsStore::inFile(dir.path("user.ini"));
    EXPECT_EQ(store.readInt("Settings", "MainLeft", 100), 100);
    EXPECT_EQ(store.readInt("Settings", "MainTop", 100), 45);
    EXPECT_EQ(store.readInt("Settings", "MainWidth", 14500), 14500);
    store.writeInt("Settings", "MainWidth", -300);
    store.sync();
    EXPECT_EQ(UserSettingsStore::inFile(dir.path("user.ini")).readInt("Settings", "MainWidth", 0),
              -300);
}

} // namespace
} // namespace r5k27
