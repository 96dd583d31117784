#include "mainwindow/WindowPlacement.h"

#include "platform/UserSettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(WindowPlacement, DefaultsAndRoundTripInTwips) {
    test::TempDir dir;
    auto store = UserSettingsStore::inFile(dir.path("user.ini"));
    const WindowPlacement defaults = readMainWindowPlacement(store);
    EXPECT_EQ(defaults.inPixels(), QRect(7, 7, 967, 700));

    writeMainWindowPlacement(store, WindowPlacement::fromPixels(QRect(-20, 30, 800, 600)));
    const WindowPlacement back = readMainWindowPlacement(store);
    EXPECT_EQ(back.left, -300);
    EXPECT_EQ(back.height, 9000);
    EXPECT_EQ(back.inPixels(), QRect(-20, 30, 800, 600));

    store.writeInt(Settings::mainWidth, 0); // damaged: too small to use
    EXPECT_EQ(readMainWindowPlacement(store).width, 14500);
}

} // namespace
} // namespace r5k27
