#include "DtmfFeature.h"

#include "DtmfWindow.h"
#include "mainwindow/MainWindow.h"

namespace r5k27 {

void registerDtmfWindow(AppContext& ctx, MainWindow& window) {
    window.registerChildWindow(ChildKind::Dtmf, [&ctx, &window] {
        auto* dtmf = new DtmfWindow(ctx);
        QObject::connect(&window, &MainWindow::commitPendingEdits, dtmf,
                         &DtmfWindow::commitCodeEdit);
        return dtmf;
    });
}

} // namespace r5k27
