#include "OptionsFeature.h"

#include "FrmOptFeatures.h"
#include "mainwindow/MainWindow.h"

namespace r5k27 {

void registerOptionsWindow(AppContext& ctx, MainWindow& window) {
    window.registerChildWindow(ChildKind::Options, [&ctx, &window] {
        auto* options = new FrmOptFeatures(ctx);
        QObject::connect(&window, &MainWindow::commitPendingEdits, options,
                         &FrmOptFeatures::commitPendingEdits);
        return options;
    });
}

} // namespace r5k27
