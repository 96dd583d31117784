#include "IdentityCheck.h"

#include "core/image/FixedText.h"

namespace r5k27 {

IdentityVerdict checkIdentity(const LinkFrames::RadioIdentity& radio, const AppSettings& settings,
                              const VersionList& versions) {
    if (radio.model != cleanFixedText(settings.modelCodeText))
        return IdentityVerdict::WrongModel;
    if (!versions.isCompatiblePair(settings.dataVersion, radio.firmware))
        return IdentityVerdict::OtherFirmware;
    return IdentityVerdict::Accepted;
}

} // namespace r5k27
