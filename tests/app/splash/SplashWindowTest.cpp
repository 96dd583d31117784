#include "splash/SplashWindow.h"

#include "common/ProgramArt.h"
#include "startup/AppContext.h"
#include "support/TempDir.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct SplashTest : ::testing::Test {
    SplashTest() { ctx.paths = InstallPaths::forProgramFolder(dir.path("V200"), u'/'); }

    test::TempDir dir;
    AppContext ctx;
    int mainWindowsOpened = 0;
    std::function<void()> openMain = [this] { ++mainWindowsOpened; };
};

TEST_F(SplashTest, ClickBeforeTheTimerOpensExactlyOneMainWindow) {
    SplashWindow splash(ctx, openMain, 100);
    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(mainWindowsOpened, 1);
    EXPECT_FALSE(splash.isVisible());
    QTest::qWait(250); // past the timer
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(mainWindowsOpened, 1);
}

TEST_F(SplashTest, TimerAloneOpensTheMainWindowOnce) {
    SplashWindow splash(ctx, openMain, 50);
    splash.show();
    EXPECT_EQ(mainWindowsOpened, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return mainWindowsOpened > 0; }, 2000));
    QTest::qWait(150);
    EXPECT_EQ(mainWindowsOpened, 1);
    EXPECT_TRUE(splash.isFinished());
}

TEST_F(SplashTest, ShowsThePictureOfTheLanguageOrDrawsItsOwn) {
    EXPECT_EQ(splashPicture(ctx).size(), kSplashSize); // nothing installed

    dir.write("V200/Init/.keep", {});
    QImage chinese(200, 120, QImage::Format_RGB32);
    chinese.fill(Qt::blue);
    ASSERT_TRUE(chinese.save(dir.path("V200/StartC.jpg"), "JPG"));
    EXPECT_EQ(splashPicture(ctx).size(), kSplashSize); // English looks for StartE.jpg
    ctx.settings.language = Language::Chinese;
    EXPECT_EQ(splashPicture(ctx).size(), QSize(200, 120));

    dir.write("V200/StartC.jpg", "garbage");
    EXPECT_EQ(splashPicture(ctx).size(), kSplashSize);
    SplashWindow splash(ctx, openMain);
    EXPECT_EQ(splash.findChild<QLabel*>("picLogo")->pixmap().size(), kSplashSize);
}

TEST(SplashArt, BackgroundTileHasARemovableBorder) {
    EXPECT_EQ(paintBackgroundTile("BRELLOCK R5K27").size(), kBackgroundTileSize + QSize(2, 2));
}

} // namespace
} // namespace r5k27
