#include "EditorWindows.h"

#include "channels/ChannelWindow.h"
#include "channelsheet/ChannelSheetWindow.h"
#include "common/EditorRegistration.h"
#include "dtmf/DtmfWindow.h"
#include "mainwindow/MainWindow.h"
#include "options/OptionsWindow.h"
#include "platform/QtToneSink.h"
#include "rogerbeep/RogerBeepWindow.h"

namespace r5k27 {

void registerChannelWindow(AppContext& ctx, MainWindow& window, Prompter& prompter) {
    registerEditor(
        window, ChildKind::Channel, [&ctx, &prompter] { return new ChannelWindow(ctx, prompter); },
        &ChannelWindow::commitPendingEdit);
    window.showChild(ChildKind::Channel);
}

void registerChannelSheetWindow(AppContext& ctx, MainWindow& window, Prompter& prompter) {
    registerEditor(
        window, ChildKind::ChannelList,
        [&ctx, &prompter] { return new ChannelSheetWindow(ctx, prompter); },
        &ChannelSheetWindow::commitPendingEdit);
}

void registerOptionsWindow(AppContext& ctx, MainWindow& window) {
    registerEditor(
        window, ChildKind::Options, [&ctx] { return new OptionsWindow(ctx); },
        &OptionsWindow::commitPendingEdits);
}

void registerDtmfWindow(AppContext& ctx, MainWindow& window) {
    registerEditor(
        window, ChildKind::Dtmf, [&ctx] { return new DtmfWindow(ctx); },
        &DtmfWindow::commitCodeEdit);
}

void registerRogerBeepWindow(AppContext& ctx, MainWindow& window, ToneSink* sink) {
    ToneSink& output = sink ? *sink : *new QtToneSink(&window);
    registerEditor<RogerBeepWindow>(window, ChildKind::RogerBeep,
                                    [&ctx, &output] { return new RogerBeepWindow(ctx, output); });
}

} // namespace r5k27
