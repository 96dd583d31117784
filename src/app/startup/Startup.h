#pragma once

#include "AppContext.h"

#include <QStringList>
#include <functional>

namespace r5k27 {

struct StartupSteps {
    std::function<void()> showSplash;
};

// The start-up sequence: version list, number formatting, settings and model constants,
// splash, default document, texts. The settings file must already be resolved in ctx.
void runStartup(AppContext& ctx, const StartupSteps& steps = {});

void loadVersionList(AppContext& ctx);

// What start-up has to tell the user once the main window shows: the settings file or the
// version list saved as UTF-16 text, which the program can neither read nor write.
QStringList startupNotices(const AppContext& ctx);

} // namespace r5k27
