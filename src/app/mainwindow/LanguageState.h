#pragma once

#include "core/common/AppSettings.h"

namespace r5k27 {

// A language chosen since the main window last applied its texts. Called when the main window
// becomes active: true (and the language marked applied) when the window must switch.
inline bool takePendingLanguageChange(AppSettings& settings) {
    if (settings.language == settings.appliedLanguage)
        return false;
    settings.appliedLanguage = settings.language;
    return true;
}

} // namespace r5k27
