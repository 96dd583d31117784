#pragma once

#include "AppContext.h"

#include <functional>

namespace r5k27 {

struct StartupSteps {
    std::function<void()> showSplash;
};

// The start-up sequence: version list, number formatting, settings and model constants,
// splash, default document, texts. The settings file must already be resolved in ctx.
void runStartup(AppContext& ctx, const StartupSteps& steps = {});

void loadVersionList(AppContext& ctx);

} // namespace r5k27
