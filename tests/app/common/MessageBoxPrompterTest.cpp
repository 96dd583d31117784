#include "common/MessageBoxPrompter.h"

#include "core/common/AppSettings.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Every message of the program goes through this box: however long the text (a path with no
// space to break at, a report of many words), the box stays within a 1024-wide screen and the
// screen it is on, and a short text still leaves room for the title beside the title bar's icon
// and buttons (100 pixels here).
TEST(MessageBoxPrompter, ABoxFitsTheScreenWhateverTheTextAndKeepsItsTitle) {
    AppSettings settings;
    MessageBoxPrompter prompter(settings);
    const int screen =
        std::min(1024, QGuiApplication::primaryScreen()->availableGeometry().width());
    const QString path = "/home/shop/" + QString("radios-of-the-fleet/").repeated(20) + "car.dat";
    for (const QString& text :
         {path + ": Unknown version Of DataFile!",
          QString("A12 Frequency 28.3050 / 28.3150 ").repeated(40), QString("OK")}) {
        for (const Language lang : {Language::English, Language::Chinese}) {
            settings.language = lang;
            int width = -1;
            int titleWidth = 0;
            QTimer poll; // until the box is up
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !box->isVisible())
                    return;
                poll.stop();
                width = box->frameGeometry().width();
                titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
                box->reject();
            });
            poll.start(10);
            prompter.ask(text, Buttons::Ok, Icon::Warning);
            EXPECT_GE(width, titleWidth + 100) << text.left(40).toStdString();
            EXPECT_LE(width, screen) << text.left(40).toStdString();
        }
    }
}

} // namespace
} // namespace r5k27
