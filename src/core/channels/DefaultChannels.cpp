#include "DefaultChannels.h"

#include "ChannelTable.h"
#include "core/image/MemoryImage.h"

#include <array>

namespace r5k27 {
namespace {

// Memory channels 41..46 of every group, in this order.
const std::array<QString, 6> kMemoryChannelFreqs = {
    QStringLiteral("28.015000"), QStringLiteral("28.145000"), QStringLiteral("28.115000"),
    QStringLiteral("28.085000"), QStringLiteral("28.055000"), QStringLiteral("28.025000")};

// Channel 1 of group 1..10.
QString firstChannelFreq(int group) {
    static const std::array<QString, kGroupCount> freqs = {
        kMemoryChannelFreqs[0], kMemoryChannelFreqs[1], kMemoryChannelFreqs[2],
        kMemoryChannelFreqs[3], kMemoryChannelFreqs[4], kMemoryChannelFreqs[5],
        kMemoryChannelFreqs[0], kMemoryChannelFreqs[1], kMemoryChannelFreqs[2],
        kMemoryChannelFreqs[3]};
    return freqs[std::size_t(group - 1)];
}

} // namespace

void writeChannelDefaults(MemoryImage& image, ChTable& table) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int group = 1; group <= kGroupCount; ++group) {
            image.chCount(mode, group) = 0;
            for (int k = 0; k < int(kMemoryChannelFreqs.size()); ++k)
                addChannel(image, table, {mode, group, kOrdinaryChannels + 1 + k},
                           kMemoryChannelFreqs[std::size_t(k)]);
        }
        for (int group = 1; group <= kGroupCount; ++group)
            addChannel(image, table, {mode, group, 1}, firstChannelFreq(group));
    }
}

void resetGroupFirstChannel(MemoryImage& image, ChTable& table, int mode, int group) {
    if (isEditableGroup(mode, group))
        addChannel(image, table, {mode, group, 1}, firstChannelFreq(group));
}

} // namespace r5k27
