#include "ChannelFeature.h"

#include "ChannelWindow.h"
#include "mainwindow/MainWindow.h"

namespace r5k27 {

void registerChannelWindow(AppContext& ctx, MainWindow& window, Prompter& prompter) {
    window.registerChildWindow(ChildKind::Channel, [&ctx, &window, &prompter] {
        auto* channels = new ChannelWindow(ctx, prompter);
        // A write or save takes the frequency still being typed.
        QObject::connect(&window, &MainWindow::commitPendingEdits, channels,
                         &ChannelWindow::commitPendingEdit);
        return channels;
    });
    window.showChild(ChildKind::Channel);
}

} // namespace r5k27
