#pragma once

#include "ChannelRec.h"
#include "core/image/FieldSlots.h"
#include "core/lang/Language.h"

#include <QString>
#include <cstdint>
#include <span>

namespace r5k27 {

// Every field of a channel record, in record (and file) order.
enum class ChannelField : std::uint8_t {
    ChNo,
    ChFlag,
    ScanAdd,
    RxFreq,
    TxFreq,
    Spare1,
    Spare2,
    DecodeTone,
    EncodeTone,
    Mode,
    HiCut,
    NbAnl,
    Echo,
    Add10K,
    BusyLock,
    RogerTone,
    RepShift,
    PublicCh,
    BotCode,
    EotCode,
    CallCode,
};
constexpr int kChannelFieldCount = int(ChannelField::CallCode) + 1;

// What a field's value is and how it is chosen.
enum class ChannelChoice : std::uint8_t {
    None,       // not chosen by the user
    Frequency,  // typed
    Switch,     // "OFF", "ON" by position
    LongTone,   // the long tone list, by tone index
    ShortTone,  // the short tone list, by tone index (kept, never chosen in the windows)
    RepShift,   // "OFF", "+", "-" by position
    ScanDelAdd, // "Del", "Add" by position
    Mode,       // the enabled modes, by mode text
    RogerRef,   // OFF, then the numbers of the playable sequences
    DtmfRef,    // OFF, then the numbers of the codes in use
};

// How a field sits in the radio's memory.
enum class ChannelRadio : std::uint8_t {
    None,       // the radio does not hold it
    InBlock,    // `radio` within the channel's 16-byte block
    Frequency,  // packed decimal digits at the start of the block
    Tone,       // a tone type and the tone's number in its list
    ScanBitmap, // one bit per channel in the group's scan bitmap
};

struct ChannelFieldInfo {
    ChannelField id;
    const char* name;                 // as reports and the command line name it ("BusyLock")
    std::int16_t ChannelRec::*number; // the member, for every field but the two frequencies
    FixedText<8> ChannelRec::*text;   // the member of RxFreq and TxFreq
    FileSlot file;                    // within the 54-byte record
    ChannelRadio radioForm;
    RadioSlot radio;       // within the block, for InBlock fields
    const char* csvColumn; // this radio's own column of a channel list, or null
    const char* reportKey; // the key `r5k27-cli show` prints it under
    LocalText caption;     // as the windows and the printed card show it
    ChannelChoice choice;
    int newValue;          // what a new channel holds; -1 where the slot keeps its value
    bool compared;         // whether a change of it counts as an unsaved change
    bool greyedWhenPublic; // the radio ignores it on a public channel
};

std::span<const ChannelFieldInfo> channelFields();
const ChannelFieldInfo& channelFieldInfo(ChannelField id);

// The value of a numeric field (a frequency field reads 0).
int channelValue(const ChannelRec& rec, ChannelField id);
// Whether the radio ignores this field of the record: a public channel takes it from the options.
bool ignoredByRadio(const ChannelRec& rec, ChannelField id);
void setChannelValue(ChannelRec& rec, ChannelField id, int value);

// A new channel: every field with a new-channel value gets it.
void fillNewChannel(ChannelRec& rec, int chNo, const QString& storedFreq);
// Whether two records hold the same values in every compared field.
bool sameComparedFields(const ChannelRec& a, const ChannelRec& b);

// Shown text of a field's value, in the user's language: the list entry it stands for, the
// number itself where the list has no entry for it, the frequency for the frequency fields.
QString channelValueText(const ChannelRec& rec, ChannelField id, Language lang);

} // namespace r5k27
