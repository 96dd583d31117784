#pragma once

#include "OptionLists.h"
#include "core/image/FieldSlots.h"
#include "core/lang/Language.h"

#include <array>
#include <cstdint>
#include <span>

namespace r5k27 {

struct MemoryImage;

// Every single option value of the document (the RSSI table has its own functions).
enum class OptionId {
    HiddenRadioSetting, // "Opt328" in the data file
    OptWorkMode,
    WorkGroupCB,
    WorkGroupHF,
    VoxFunction,
    ChannelMode,
    MemMenu,
    PubBotCode,
    PubEotCode,
    PubCallCode,
    ReceiveTrim,  // "Rtix"
    TransmitTrim, // "Ttix"
    PubHiCut,
    PubNbAnl,
    PubEcho,
    PubAdd10K,
    PubBusy,
    PubRogerTone,
    BeepOn,
    TxDisplay,
    MicLevel,
    NoiseGate, // "Nog"
    Tot,
    SwrProtect,
    BattProtect,
    ScanMode,
    FinTone,
    BacklightColor,
    MenuPage,
    BattMin,
    BattMax,
    SwrMax,
    PubMode,
    FmEnable,
    AmEnable,
    UsbEnable,
    LsbEnable,
    PaEnable,
    DtmfSendTime,
    FirstDigitTime,
    FirstDigitDelay,
    StarHashTime,
    DCodeAssign,
    DtmfDisplay,
    ExtFreq,
    ExtSwitch,
    ExtSelect,
};

// How a value is shown and entered.
enum class OptionForm {
    ListPosition, // the list entry at the value
    TotSteps,     // the list entry at value / 3
    EntryNumber,  // the list entry whose text is the value
    Reference,    // as EntryNumber; anything not in the list means 0
    PubMode,      // a mode code shown among the enabled modes
    Switch,       // ticked when 1
    Tenths,       // "#0.0" of value / 10
    TxOffset,     // "#0.0000" of value / 10000 (MHz)
    Stored,       // edited elsewhere or not at all; shown as the decimal value
};

struct OptionInfo {
    OptionId id;
    const char* name;
    int minValue;
    int maxValue;
    int newValue; // what a new document holds
    OptionForm form;
    OptionList list;
    bool switchDefaultOn; // how a switch holding neither 0 nor 1 is shown
    FieldAccess access;   // the record member
    FileSlot file;
    RadioSlot radio;
    bool compared; // whether unsaved changes of it count
    // One line for the user guide; its options section is built from these, so a new row
    // cannot go undocumented.
    LocalText description;
};

std::span<const OptionInfo> allOptions();
const OptionInfo& optionInfo(OptionId id);

int optionValue(const MemoryImage& image, OptionId id);
// Stores value as it is; the text entry functions do the limiting.
void setOptionValue(MemoryImage& image, OptionId id, int value);
// What a value outside the documented range becomes: the nearest value in range, or for a value
// chosen from a list the new-document value.
int nearestAllowedValue(const OptionInfo& info, int value);

inline constexpr std::array<std::int16_t, 12> kNewRssiTable{0, 3, 10, 14, 24, 35,
                                                            0, 5, 8,  12, 23, 35};
// Sets every option value and the RSSI table to what a new document holds.
void applyNewDocumentOptions(MemoryImage& image);

} // namespace r5k27
