#include "ModeEnable.h"

#include "core/channels/ChannelTable.h"
#include "core/channels/ListHelpers.h"
#include "core/channels/ModeCodec.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

constexpr int kVoiceModes = 4; // FM, AM, USB, LSB: one of them must stay on

QString shownPubMode(const MemoryImage& image) {
    return listTextMatching(fillModeList(image.optFeat.modeEnable, false),
                            listTextAt(allModeTexts(), image.optFeat.pubMode));
}

} // namespace

bool setModeEnable(MemoryImage& image, ChTable& table, int mode, bool on) {
    if (mode < 0 || mode >= kOperatingModeCount)
        return false;
    auto& switches = image.optFeat.modeEnable;
    if (!on && mode < kVoiceModes) {
        bool otherOn = false;
        for (int m = 0; m < kVoiceModes; ++m)
            otherOn = otherOn || (m != mode && switches[std::size_t(m)] > 0);
        if (!otherOn)
            return false;
    }
    const QString remembered = shownPubMode(image);
    switches[std::size_t(mode)] = on ? 1 : 0;
    normalizeAllModes(image, table);
    const QString shown = listTextMatching(fillModeList(switches, false), remembered);
    if (const qsizetype code = allModeTexts().indexOf(shown); code >= 0)
        image.optFeat.pubMode = std::int16_t(code);
    return true;
}

} // namespace r5k27
