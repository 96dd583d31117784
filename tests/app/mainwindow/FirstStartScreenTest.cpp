// At first start, on a small screen and in each language: every window opens within the screen,
// the channel window inside the main window's free area (scrolling what does not fit), the
// channel list filling that area, and each small window wide enough for its whole title.
#include "EditorWindows.h"
#include "MainWindowHarness.h"
#include "common/TitleRoom.h"
#include "lang/LanguageWindow.h"
#include "link/GroupSizeQuestion.h"
#include "link/PortWindow.h"
#include "platform/ToneSink.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

const QRect kSmallScreen(0, 0, 1024, 600);

// Qt's warnings while it lives: each one a fault of ours (a tab order across windows, a layout
// set twice) printed on the user's terminal. The offscreen platform's own remark is not one.
class QtWarnings {
public:
    QtWarnings() {
        seen().clear();
        previous_ = qInstallMessageHandler(&QtWarnings::take);
    }
    ~QtWarnings() { qInstallMessageHandler(previous_); }
    QStringList texts() const { return seen(); }

private:
    static QStringList& seen() {
        static QStringList texts;
        return texts;
    }
    static void take(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg && !text.contains("propagateSizeHints"))
            seen() << text;
    }
    QtMessageHandler previous_ = nullptr;
};

struct ToneOutput {
    NullToneSink sink; // outlives the roger-beep window
};

class FirstStartScreen : public ::testing::TestWithParam<Language>,
                         protected ToneOutput,
                         protected test::MainWindowHarness {
protected:
    // The screen a window may use: the available part of this one, no larger than 1024×600.
    QRect room() const {
        return QGuiApplication::primaryScreen()->availableGeometry() & kSmallScreen;
    }

    // Where a dialog opens and whether its title has room, as text for the failure message.
    std::string placed(QWidget& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QString seen;
        if (!room().contains(dialog.frameGeometry()))
            seen += QStringLiteral("outside the screen; ");
        if (dialog.width() < titleBarWidth(dialog))
            seen += QStringLiteral("title cut; ");
        dialog.close();
        return (dialog.objectName() + QStringLiteral(": ") + seen).toStdString();
    }
};

TEST_P(FirstStartScreen, EveryWindowOpensWithinTheScreen) {
    const QtWarnings warnings;
    ctx.settings.language = GetParam();
    ctx.settingsFile = dir.path("mysetup.ini");
    std::unique_ptr<MainWindow> window = makeWindow();
    // As main() does at start; the channel window opens with the first registration.
    registerDtmfWindow(ctx, *window);
    registerRogerBeepWindow(ctx, *window, &sink);
    registerOptionsWindow(ctx, *window);
    registerChannelWindow(ctx, *window, prompter);
    registerChannelSheetWindow(ctx, *window, prompter);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    QMdiArea* area = window->mdiArea();
    const QRect free = area->viewport()->rect();
    QMdiSubWindow* channels = window->children().openWindow(ChildKind::Channel);
    ASSERT_NE(channels, nullptr);
    EXPECT_TRUE(free.contains(channels->geometry()));

    QMdiSubWindow* list = window->children().show(ChildKind::ChannelList);
    ASSERT_NE(list, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->geometry(), free);

    const QString noFile = dir.path("none.ini");
    PortWindow ports(
        ctx.settings, ctx.captions, noFile, [] { return QList<SerialPortEntry>{}; }, window.get());
    EXPECT_EQ(placed(ports), "FrmComSet: ");
    LanguageWindow languages(ctx.settings, ctx.captions, noFile, window.get());
    EXPECT_EQ(placed(languages), languages.objectName().toStdString() + ": ");
    // The group size is asked in a modal dialog of its own.
    std::string groupSize = "not shown";
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            groupSize = placed(*dialog);
    });
    GroupSizeDialog(ctx.captions, ctx.settings.language, window.get()).ask(2);
    EXPECT_EQ(groupSize, "GroupSize: ");
    EXPECT_EQ(warnings.texts(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Languages, FirstStartScreen,
                         ::testing::Values(Language::English, Language::Chinese),
                         [](const ::testing::TestParamInfo<Language>& language) {
                             return language.param == Language::English ? "English" : "Chinese";
                         });

} // namespace
} // namespace r5k27
