#include "RogerBeepFeature.h"

#include "RogerBeepWindow.h"
#include "mainwindow/MainWindow.h"
#include "platform/QtToneSink.h"

namespace r5k27 {

void registerRogerBeepWindow(AppContext& ctx, MainWindow& window, ToneSink* sink) {
    ToneSink& output = sink ? *sink : *new QtToneSink(&window);
    window.registerChildWindow(ChildKind::RogerBeep,
                               [&ctx, &output] { return new RogerBeepWindow(ctx, output); });
}

} // namespace r5k27
