#include "ChannelValueRules.h"

#include "core/channels/ModeCodec.h"
#include "core/channels/ToneCodec.h"
#include "core/image/MemoryImage.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

namespace r5k27 {

bool isAllowedChannelValue(const MemoryImage& image, const ChannelKey& key, ChannelField field,
                           int value) {
    switch (channelFieldInfo(field).choice) {
    case ChannelChoice::Switch:
    case ChannelChoice::ScanDelAdd:
        return value == 0 || value == 1;
    case ChannelChoice::RepShift:
        return value >= 0 && value <= 2;
    case ChannelChoice::LongTone:
    case ChannelChoice::ShortTone:
        return value >= 0 && value < kToneIndexCount;
    case ChannelChoice::Mode:
        return value >= 0 && value < kOperatingModeCount &&
               normalizeMode(value, image.optFeat.modeEnable) == value &&
               !(value == kModePA && key.chNo > kOrdinaryChannels);
    case ChannelChoice::RogerRef:
        return value == 0 || validRogerTone(image, value) == value;
    case ChannelChoice::DtmfRef:
        return value == 0 || !dtmfCodeText(image, value).isEmpty();
    case ChannelChoice::None:
    case ChannelChoice::Frequency:
        break;
    }
    return false;
}

} // namespace r5k27
