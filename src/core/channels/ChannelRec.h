#pragma once

#include "core/image/FixedText.h"
#include "core/image/MemoryImage.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace r5k27 {

constexpr int kSlotCount = 46;        // slots per (mode, group)
constexpr int kOrdinaryChannels = 40; // channel numbers 1..40; 41..46 are memory channels M1..M6

// One channel; 54 bytes on file, little-endian, fields in this order.
struct ChannelRec {
    static constexpr int kFileSize = 54;

    std::int16_t chNo = 0;
    std::int16_t chFlag = 0;
    std::int16_t scanAdd = 0;
    FixedText<8> rxFreq;
    FixedText<8> txFreq;
    std::int16_t spare1 = 0;
    std::int16_t spare2 = 0;
    std::int16_t decodeTone = 0;
    std::int16_t encodeTone = 0;
    std::int16_t mode = 0;
    std::int16_t hiCut = 0;
    std::int16_t nbAnl = 0;
    std::int16_t echo = 0;
    std::int16_t add10K = 0;
    std::int16_t busyLock = 0;
    std::int16_t rogerTone = 0;
    std::int16_t repShift = 0;
    std::int16_t publicCh = 0;
    std::int16_t botCode = 0;
    std::int16_t eotCode = 0;
    std::int16_t callCode = 0;

    bool operator==(const ChannelRec&) const = default;
};

QByteArray serializeChannel(const ChannelRec& rec);
// False (and rec untouched) unless data holds at least kFileSize bytes; reads the first 54.
bool deserializeChannel(const QByteArray& data, ChannelRec& rec);

// One channel of the document: channels 1..40 of groups 1..10, and the memory channels 41..46,
// which are edited in group 1 (the "MEM" view).
struct ChannelKey {
    int mode = 0;
    int group = 1;
    int chNo = 0;
    bool operator==(const ChannelKey&) const = default;
};

// Where a record sits in the table: slot 1..46 of a group; the channel it holds is its chNo.
struct SlotKey {
    int mode = 0;
    int group = 1;
    int slot = 1;
    bool operator==(const SlotKey&) const = default;
};

} // namespace r5k27
