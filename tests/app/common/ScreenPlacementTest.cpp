#include "common/ScreenPlacement.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// A window's frame, title bar included, lies within the screen wherever it is asked to open.
TEST(ScreenPlacement, TheFrameStaysWithinTheScreen) {
    const QRect small(0, 0, 1024, 600);
    const QMargins frame(4, 30, 4, 4);
    struct Case {
        const char* what;
        QSize size;
        QPoint centre;
        QRect expected;
    };
    const Case cases[] = {
        // The guide over the main window at first start: centred by Qt, its title bar was
        // above the top edge.
        {"guide over the main window", {820, 540}, {492, 200}, {79, 0, 828, 574}},
        {"centred where there is room", {400, 300}, {512, 300}, {309, 134, 408, 334}},
        {"over a window at the right edge", {400, 300}, {1000, 580}, {616, 266, 408, 334}},
        {"larger than the screen", {1200, 700}, {512, 300}, {0, 0, 1024, 600}},
    };
    for (const Case& c : cases) {
        const QRect placed = placedFrame(c.size, frame, c.centre, small);
        EXPECT_EQ(placed, c.expected) << c.what;
        EXPECT_TRUE(small.contains(placed)) << c.what;
    }
}

} // namespace
} // namespace r5k27
