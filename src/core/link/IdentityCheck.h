#pragma once

#include "LinkFrames.h"
#include "core/common/AppSettings.h"
#include "core/image/VersionList.h"

namespace r5k27 {

enum class IdentityVerdict { Accepted, WrongModel, OtherFirmware };

// Whether a read or single write may go on with the radio that identified itself: its model
// must be the program's, and its firmware one the version list pairs with the program's data
// version.
IdentityVerdict checkIdentity(const LinkFrames::RadioIdentity& radio, const AppSettings& settings,
                              const VersionList& versions);

} // namespace r5k27
