// The channel window over the largest document (every ordinary channel in every group): opening
// it inside the main window, switching the group it shows as a user does, and a frequency
// committed and undone through the document model.
#include "BenchSupport.h"
#include "BenchWindows.h"
#include "EditorWindows.h"
#include "channels/ChannelWindow.h"
#include "core/document/InitialValues.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <ctime>

using namespace r5k27;
using bench::measure;
using bench::NoDialogs;
using bench::NoStore;
using bench::OkPrompter;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.filePath("R5K27/V200"), u'/');
    initCaptionTables(ctx.captions);
    writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2024, 5, 1));
    bench::fillEveryGroup(ctx.doc);

    OkPrompter prompter;
    NoStore store;
    NoDialogs dialogs;
    UserSettingsStore userSettings = UserSettingsStore::inFile(dir.filePath("user.ini"));
    MainWindow window(ctx, MainWindowServices{store, dialogs, prompter, userSettings});
    registerChannelWindow(ctx, window, prompter);
    window.show();
    QCoreApplication::processEvents();

    // Opening only: the window before is closed and gone before the clock starts; the clock
    // stops once the new one is laid out and painted.
    measure(
        "open channel window", 200,
        [&] {
            window.children().closeAll();
            // Closed windows go when the event loop comes round; here it never does by itself.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        },
        [&] {
            window.showChild(ChildKind::Channel);
            QCoreApplication::processEvents();
        });

    auto* sub = window.children().openWindow(ChildKind::Channel);
    auto* groups = sub->widget()->findChild<QComboBox*>(QStringLiteral("Combo6"));
    int next = 0;
    measure(
        "switch group", 1000, [&] { next = (next + 1) % groups->count(); },
        [&] {
            groups->setCurrentIndex(next);
            emit groups->activated(next);
            QCoreApplication::processEvents();
        });

    const EditName open{QStringLiteral("Frequency"), QStringLiteral("Frequency")};
    int typed = 0;
    measure(
        "commit, window open", 300, [&] { ++typed; },
        [&] {
            ctx.model.setFrequency({0, 1, 1 + typed % 40},
                                   QStringLiteral("28.") + QString::number(2000 + typed), open);
            QCoreApplication::processEvents();
        });

    // A typed frequency through the document model, then the undo of it; the model's own cost,
    // with no window listening.
    window.children().closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    int step = 0;
    const EditName name{QStringLiteral("Frequency"), QStringLiteral("Frequency")};
    measure(
        "frequency commit", 1000, [&] { ++step; },
        [&] {
            ctx.model.setFrequency({0, 1, 1 + step % 40},
                                   QStringLiteral("28.") + QString::number(1000 + step % 9000),
                                   name);
        });
    measure(
        "undo of a commit", 1000,
        [&] {
            ++step;
            ctx.model.setFrequency({0, 1, 1 + step % 40},
                                   QStringLiteral("28.") + QString::number(1000 + step % 9000),
                                   name);
        },
        [&] { ctx.model.undo(); });
    return 0;
}
