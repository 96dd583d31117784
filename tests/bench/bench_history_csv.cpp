// Undo and redo over a full document (920 channels) with 200 steps in the history, the memory
// those steps hold, and the channel list's export and import of the same document.
#include "BenchSupport.h"
#include "BenchWindows.h"
#include "EditorWindows.h"
#include "core/common/AppSettings.h"
#include "core/document/ChannelCsv.h"
#include "core/document/EditHistory.h"
#include "core/document/InitialValues.h"
#include "core/options/OptionValues.h"
#include "mainwindow/MainWindow.h"
#include "platform/ToneSink.h"
#include "platform/UserSettingsStore.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <cstdio>

using namespace r5k27;
using bench::fillEveryGroup;
using bench::NoDialogs;
using bench::NoStore;
using bench::OkPrompter;
using bench::reportTimings;

namespace {

constexpr int kSteps = 200;

// 200 steps of one kind: frequency entries (each changes the table) or option changes (each
// changes only the record, so the table is shared).
void fillHistory(Document& doc, EditHistory& history, bool channels) {
    for (int i = 0; i < kSteps; ++i) {
        if (channels)
            doc.chTable.at({i % 2, 1 + i % 10, 1 + i % 46})
                .rxFreq.assign(QStringLiteral("28%1").arg(1000 + i));
        else
            setOptionValue(doc.curImage, OptionId::MicLevel, 1 + i % 36);
        history.record(EditName(QStringLiteral("step")), {}, {});
    }
}

// Undo and redo through the shown main window with the four editor windows open: the edit in
// progress is committed, the menu items and toolbar buttons are renamed, the caption follows
// the restored document and every window shows all of it anew.
void mainWindowUndo() {
    QTemporaryDir dir;
    AppContext ctx;
    ctx.paths = InstallPaths::forProgramFolder(dir.filePath(QStringLiteral("R5K27/V200")), u'/');
    initCaptionTables(ctx.captions);
    writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate(2026, 1, 1));
    fillEveryGroup(ctx.doc);
    OkPrompter prompter;
    NoStore store;
    NoDialogs dialogs;
    UserSettingsStore userSettings =
        UserSettingsStore::inFile(dir.filePath(QStringLiteral("user.ini")));
    NullToneSink sink; // outlives the roger-beep window
    MainWindow window(ctx, MainWindowServices{store, dialogs, prompter, userSettings});
    registerOptionsWindow(ctx, window);
    registerDtmfWindow(ctx, window);
    registerRogerBeepWindow(ctx, window, &sink);
    registerChannelWindow(ctx, window, prompter);
    window.show();
    for (ChildKind kind : {ChildKind::Options, ChildKind::Dtmf, ChildKind::RogerBeep})
        window.showChild(kind);
    QCoreApplication::processEvents();
    EditHistory& history = window.history();
    fillHistory(ctx.doc, history, true);
    std::printf("main window: %d steps hold %.2f MB\n", history.undoCount(),
                double(history.storedBytes()) / (1024.0 * 1024.0));
    bool down = true;
    reportTimings("main window undo/redo, four windows open", 2000, [&] {
        if (down ? !history.canUndo() : !history.canRedo())
            down = !down;
        down ? window.undo() : window.redo();
        QCoreApplication::processEvents();
        return true;
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mainWindowUndo();
    for (const bool channels : {true, false}) {
        Document doc;
        AppSettings settings;
        DocumentEvents events;
        writeBuiltInDefaults(doc, settings, 1, QDate(2026, 1, 1));
        fillEveryGroup(doc);
        EditHistory history(doc, events);
        fillHistory(doc, history, channels);
        std::printf("%s: %d steps hold %.2f MB\n", channels ? "channel edits" : "option edits",
                    history.undoCount(), double(history.storedBytes()) / (1024.0 * 1024.0));
        bool down = true;
        reportTimings(channels ? "undo/redo (channel steps)" : "undo/redo (option steps)", 20000,
                      [&] {
                          if (down ? !history.undo() : !history.redo()) {
                              down = !down;
                              return down ? history.undo() : history.redo();
                          }
                          return true;
                      });
    }

    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    fillEveryGroup(doc);
    const QByteArray csv = channelsToCsv(doc.curImage, doc.chTable);
    // Memory channels of groups B..J cannot be edited and have no location, so 812 rows.
    const qsizetype rows = csv.count('\n') - 1;
    std::printf("channel list: %lld rows, %lld bytes\n", static_cast<long long>(rows),
                static_cast<long long>(csv.size()));
    reportTimings("csv export (920 channels)", 500,
                  [&] { return !channelsToCsv(doc.curImage, doc.chTable).isEmpty(); });
    reportTimings("csv import (920 channels)", 500, [&] {
        Document copy = doc;
        return channelsFromCsv(csv, copy.curImage, copy.chTable).taken == rows;
    });
    return 0;
}
