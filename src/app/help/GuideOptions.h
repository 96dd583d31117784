#pragma once

#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

// The options section's tables: one row per option of the options window, frame by frame, with
// its caption, description and values; then the values no control of that window shows.
QString optionsGuideHtml(Language lang);

} // namespace r5k27
