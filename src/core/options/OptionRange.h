#pragma once

#include "OptionValues.h"

#include <QString>

namespace r5k27 {

// The values an option takes, as the user guide states them: the choices of a short list, the
// ends of a long one, or the limits of a number in the form the window shows.
QString optionRangeText(const OptionInfo& info, Language lang);

} // namespace r5k27
