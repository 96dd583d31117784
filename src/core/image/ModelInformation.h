#pragma once

#include "VersionList.h"
#include "core/common/AppSettings.h"

namespace r5k27 {

// The data and firmware version tags this program version handles, as the version list pairs
// them with the program's own tag, in list order and without repeats.
QStringList handledVersionTags(const VersionList& versions);

// Model › Model Information: the radio model and its code, both bands, and the data and
// firmware versions this program handles, one line each.
QString modelInformationText(const AppSettings& settings, const VersionList& versions);

} // namespace r5k27
