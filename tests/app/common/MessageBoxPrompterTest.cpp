#include "common/MessageBoxPrompter.h"

#include "common/AppSettings.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

struct Shown {
    int width = -1;
    int titleWidth = 0;
};

// The box's width as it opens, then closed.
Shown shownBox(MessageBoxPrompter& prompter, const QString& text) {
    Shown shown;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        shown = {box->frameGeometry().width(),
                 box->fontMetrics().horizontalAdvance(box->windowTitle())};
        box->reject();
    });
    poll.start();
    prompter.ask(text, Buttons::Ok, Icon::Warning);
    return shown;
}

// Every message of the program goes through this box: however long the text (a path without a
// space to break at, a report of many words), the box stays within a 1024-wide screen and the
// screen it is on, and a short text still leaves room for the title.
TEST(MessageBoxPrompter, ABoxFitsTheScreenWhateverTheTextAndKeepsItsTitle) {
    AppSettings settings;
    MessageBoxPrompter prompter(settings);
    const int screen =
        std::min(1024, QGuiApplication::primaryScreen()->availableGeometry().width());
    const QString longPath =
        "/home/shop/" + QString("radios-of-the-fleet/").repeated(20) + "car.dat";
    for (const QString& text :
         {longPath + ": Unknown version Of DataFile!",
          "Verify failed: " + QString("A12 Frequency 28.3050 / 28.3150 ").repeated(40),
          QString("OK")}) {
        SCOPED_TRACE(text.left(40).toStdString());
        for (const int lang : {kLangEnglish, kLangChinese}) {
            settings.langIndex = lang;
            const Shown shown = shownBox(prompter, text);
            ASSERT_GT(shown.width, 0);
            EXPECT_LE(shown.width, screen);
            EXPECT_GT(shown.width, shown.titleWidth);
        }
    }
}

} // namespace
} // namespace r5k27
