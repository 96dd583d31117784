// The channel list over the largest document (every ordinary channel in every group): opening
// it inside the main window, scrolling from the first row to the last, and one value set on
// 400 selected channels as one step, with the list and the channel window following.
#include "BenchSupport.h"
#include "BenchWindows.h"
#include "EditorWindows.h"
#include "channelsheet/ChannelSheetView.h"
#include "core/channels/ChannelTable.h"
#include "core/document/InitialValues.h"
#include "mainwindow/MainWindow.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QDate>
#include <QMdiSubWindow>
#include <QTemporaryDir>

using namespace r5k27;
using bench::measure;
using bench::NoDialogs;
using bench::NoStore;
using bench::OkPrompter;

namespace {

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.filePath("R5K27/V200"), u'/');
    initCaptionTables(ctx.captions);
    writeBuiltInDefaults(ctx.doc, ctx.settings, 0, QDate(2024, 5, 1));
    bench::fillEveryGroup(ctx.doc);
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int chNo = kOrdinaryChannels + 1; chNo <= kSlotCount; ++chNo)
            addChannel(ctx.doc.curImage, ctx.doc.chTable, {mode, 1, chNo},
                       QStringLiteral("28.5000"));

    OkPrompter prompter;
    NoStore store;
    NoDialogs dialogs;
    UserSettingsStore userSettings = UserSettingsStore::inFile(dir.filePath("user.ini"));
    MainWindow window(ctx, MainWindowServices{store, dialogs, prompter, userSettings});
    registerChannelWindow(ctx, window, prompter);
    registerChannelSheetWindow(ctx, window, prompter);
    window.show();
    settle();

    // Opening only: the list before is closed and gone before the clock starts; the clock
    // stops once the new one is laid out and painted.
    measure(
        "open channel list", 100,
        [&] {
            if (auto* open = window.children().openWindow(ChildKind::ChannelList))
                open->close();
            settle();
        },
        [&] {
            window.showChild(ChildKind::ChannelList);
            QCoreApplication::processEvents();
        });

    auto* sheet =
        window.children().openWindow(ChildKind::ChannelList)->findChild<ChannelSheetView*>();
    bool atEnd = false;
    measure(
        "scroll to the other end", 200, [&] { atEnd = !atEnd; },
        [&] {
            if (atEnd)
                sheet->scrollToBottom();
            else
                sheet->scrollToTop();
            sheet->viewport()->repaint();
        });

    QList<ChannelKey> keys;
    for (int group = 1; group <= kGroupCount; ++group)
        for (int chNo = 1; chNo <= kOrdinaryChannels; ++chNo)
            keys << ChannelKey{0, group, chNo};
    const EditName name{QStringLiteral("Mode of 400 channels"), QStringLiteral("400")};
    int value = 0;
    int changed = 0;
    measure(
        "bulk edit of 400 rows", 100, [&] { value = 1 - value; },
        [&] {
            changed = ctx.model.setChannelValues(keys, ChannelField::Mode, value, name);
            QCoreApplication::processEvents();
        });
    std::printf("channels changed by the last bulk edit: %d\n", changed);
    return 0;
}
