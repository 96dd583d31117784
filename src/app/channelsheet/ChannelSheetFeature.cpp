#include "ChannelSheetFeature.h"

#include "ChannelSheetWindow.h"
#include "mainwindow/MainWindow.h"

namespace r5k27 {

void registerChannelSheetWindow(AppContext& ctx, MainWindow& window, Prompter& prompter) {
    window.registerChildWindow(ChildKind::ChannelList, [&ctx, &window, &prompter] {
        auto* sheet = new ChannelSheetWindow(ctx, prompter);
        // A write or save takes the frequency still being typed.
        QObject::connect(&window, &MainWindow::commitPendingEdits, sheet,
                         &ChannelSheetWindow::commitPendingEdit);
        return sheet;
    });
}

} // namespace r5k27
