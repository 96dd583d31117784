#include "OptionValues.h"

#include "image/MemoryImage.h"

#include <algorithm>
#include <limits>

namespace r5k27 {
namespace {

using F = OptionForm;
using L = OptionList;
constexpr int kIntMin = std::numeric_limits<std::int16_t>::min();
constexpr int kIntMax = std::numeric_limits<std::int16_t>::max();

// A member of OptFeat, or element Index of an array member.
template <auto Member, int Index = -1> ValueRef opt(MemoryImage& image) {
    auto& member = image.optFeat.*Member;
    if constexpr (Index >= 0)
        return {&member[Index]};
    else
        return {&member};
}

// A member of the record itself; ExtFreq is its only 32-bit value.
template <auto Member> ValueRef img(MemoryImage& image) {
    auto& member = image.*Member;
    if constexpr (sizeof(member) == 4)
        return {nullptr, &member};
    else
        return {&member};
}

// One row per value, in OptionId order, which is also the order of the data file. Columns: id,
// name, range, new-document value, text form, list, default state of a switch; record member,
// data-file offset and size, radio place and coding, whether unsaved changes of it count.
// clang-format off
constexpr OptionInfo kOptions[] = {
    {OptionId::Opt328, "Opt328", kIntMin, kIntMax, 2, F::Stored, L::None, false,
     opt<&OptFeatRec::opt328>, {328, 2}, {RadioCoding::Bits, 0x3C7C, 4, 4, 1}, true},
    {OptionId::OptWorkMode, "OptWorkMode", 0, 1, 1, F::ListPosition, L::WorkMode, false,
     opt<&OptFeatRec::optWorkMode>, {330, 2}, notInRadio(), true},
    {OptionId::WorkGroupCB, "WorkGroup(0)", 1, 10, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::workGroup, 0>, {332, 2}, referenceAt(0x3C7D, -1), true},
    {OptionId::WorkGroupHF, "WorkGroup(1)", 1, 10, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::workGroup, 1>, {334, 2}, referenceAt(0x3C7E, -1), true},
    {OptionId::VoxFunction, "VoxFunction", 0, 1, 0, F::Switch, L::None, true,
     opt<&OptFeatRec::voxFunction>, {336, 2}, bitAt(0x3C7F, 0), true},
    {OptionId::ChannelMode, "ChannelMode", 0, 1, 0, F::ListPosition, L::ChannelMode, false,
     opt<&OptFeatRec::channelMode>, {338, 2}, bitAt(0x3C7F, 1), true},
    {OptionId::MemMenu, "MemMenu", 0, 1, 0, F::Switch, L::None, false,
     opt<&OptFeatRec::memMenu>, {340, 2}, bitAt(0x3C7F, 2), true},
    {OptionId::PubBotCode, "PubBotCode", 0, 16, 0, F::Reference, L::DtmfRef, false,
     opt<&OptFeatRec::pubBotCode>, {502, 2}, byteAt(0x3F09), true},
    {OptionId::PubEotCode, "PubEotCode", 0, 16, 0, F::Reference, L::DtmfRef, false,
     opt<&OptFeatRec::pubEotCode>, {504, 2}, byteAt(0x3F0A), true},
    {OptionId::PubCallCode, "PubCallCode", 0, 16, 0, F::Reference, L::DtmfRef, false,
     opt<&OptFeatRec::pubCallCode>, {506, 2}, byteAt(0x3F0B), true},
    {OptionId::Rtix, "Rtix", -1000, 1000, 0, F::Tenths, L::None, false,
     opt<&OptFeatRec::rtix>, {508, 2}, notInRadio(), false},
    {OptionId::Ttix, "Ttix", -1000, 1000, 0, F::Tenths, L::None, false,
     opt<&OptFeatRec::ttix>, {510, 2}, notInRadio(), false},
    {OptionId::PubHiCut, "PubHiCut", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubHiCut>, {512, 2}, bitAt(0x3F07, 0), true},
    {OptionId::PubNbAnl, "PubNbAnl", 0, 1, 1, F::ListPosition, L::NbAnlOffOn, false,
     opt<&OptFeatRec::pubNbAnl>, {514, 2}, bitAt(0x3F07, 1), true},
    {OptionId::PubEcho, "PubEcho", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubEcho>, {516, 2}, bitAt(0x3F07, 2), true},
    {OptionId::PubAdd10K, "PubAdd10K", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubAdd10K>, {518, 2}, bitAt(0x3F07, 3), true},
    {OptionId::PubBusy, "PubBusy", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubBusy>, {520, 2}, bitAt(0x3F07, 4), true},
    {OptionId::PubRogerTone, "PubRogerTone", 0, 8, 0, F::Reference, L::RogerRef, false,
     opt<&OptFeatRec::pubRogerTone>, {522, 2}, byteAt(0x3F08), false},
    {OptionId::BeepOn, "BeepOn", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::beepOn>, {524, 2}, byteAt(0x3F0C), true},
    {OptionId::TxDisplay, "TxDisplay", 0, 3, 0, F::ListPosition, L::Indic, false,
     opt<&OptFeatRec::txDisplay>, {526, 2}, byteAt(0x3F0D), true},
    {OptionId::MicLevel, "MicLevel", 1, 36, 30, F::EntryNumber, L::Mic, false,
     opt<&OptFeatRec::micLevel>, {528, 2}, byteAt(0x3F0E), true},
    {OptionId::Nog, "Nog", 0, 32, 0, F::ListPosition, L::Nog, false,
     opt<&OptFeatRec::nog>, {530, 2}, byteAt(0x3F0F), true},
    {OptionId::Tot, "Tot", 0, 60, 0, F::TotSteps, L::Tot, false,
     opt<&OptFeatRec::tot>, {532, 2}, byteAt(0x3F10), true},
    {OptionId::SwrProtect, "SwrProtect", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::swrProtect>, {534, 2}, byteAt(0x3F11), true},
    {OptionId::BattProtect, "BattProtect", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::battProtect>, {536, 2}, byteAt(0x3F12), true},
    {OptionId::ScanMode, "ScanMode", 0, 1, 0, F::ListPosition, L::ScanMode, false,
     opt<&OptFeatRec::scanMode>, {538, 2}, byteAt(0x3F13), true},
    {OptionId::Fin, "Fin", 0, 3, 0, F::ListPosition, L::Fin, false,
     opt<&OptFeatRec::fin>, {540, 2}, byteAt(0x3F14), true},
    {OptionId::BacklightColor, "BacklightColor", 0, 6, 0, F::ListPosition, L::Color, false,
     opt<&OptFeatRec::backlightColor>, {542, 2}, byteAt(0x3F15), true},
    {OptionId::MenuPage, "MenuPage", 1, 9, 1, F::EntryNumber, L::OneToNine, false,
     opt<&OptFeatRec::menuPage>, {544, 2}, byteAt(0x3F21), true},
    {OptionId::BattMin, "BattMin", 90, 170, 97, F::Tenths, L::None, false,
     opt<&OptFeatRec::battMin>, {546, 2}, batteryAt(0x3F02), true},
    {OptionId::BattMax, "BattMax", 90, 170, 168, F::Tenths, L::None, false,
     opt<&OptFeatRec::battMax>, {548, 2}, batteryAt(0x3F00), true},
    {OptionId::SwrMax, "SwrMax", 12, 200, 160, F::Tenths, L::None, false,
     opt<&OptFeatRec::swrMax>, {550, 2}, byteAt(0x3F04), true},
    {OptionId::PubMode, "PubMode", 0, 4, 1, F::PubMode, L::PubMode, false,
     opt<&OptFeatRec::pubMode>, {552, 2}, byteAt(0x3F05), true},
    {OptionId::FmEnable, "ModeEnable(0)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 0>, {554, 2}, bitAt(0x3F06, 0), true},
    {OptionId::AmEnable, "ModeEnable(1)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 1>, {556, 2}, bitAt(0x3F06, 1), true},
    {OptionId::UsbEnable, "ModeEnable(2)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 2>, {558, 2}, bitAt(0x3F06, 2), true},
    {OptionId::LsbEnable, "ModeEnable(3)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 3>, {560, 2}, bitAt(0x3F06, 3), true},
    {OptionId::PaEnable, "ModeEnable(4)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 4>, {562, 2}, bitAt(0x3F06, 4), true},
    {OptionId::DtmfSendTime, "DtmfSendTime", 1, 50, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::dtmfSendTime>, {564, 2}, byteAt(0x3F1B), true},
    {OptionId::FirstDigitTime, "FirstDigitTime", 0, 10, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::firstDigitTime>, {566, 2}, byteAt(0x3F1C), true},
    {OptionId::FirstDigitDelay, "FirstDigitDelay", 1, 25, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::firstDigitDelay>, {568, 2}, byteAt(0x3F1D), true},
    {OptionId::StarHashTime, "StarHashTime", 0, 10, 0, F::Stored, L::None, false,
     opt<&OptFeatRec::starHashTime>, {570, 2}, byteAt(0x3F1E), true},
    {OptionId::DCodeAssign, "DCodeAssign", 0, 16, 0, F::Stored, L::None, false,
     opt<&OptFeatRec::dCodeAssign>, {572, 2}, byteAt(0x3F1F), true},
    {OptionId::DtmfDisplay, "DtmfDisplay", 0, 1, 0, F::Stored, L::None, false,
     opt<&OptFeatRec::dtmfDisplay>, {574, 2}, byteAt(0x3F20), true},
    {OptionId::ExtFreq, "ExtFreq", 1, 50000, 100, F::TxOffset, L::None, false,
     img<&MemoryImage::extFreq>, {1312, 4}, wordAt(0x3F17), true},
    {OptionId::ExtSwitch, "ExtSwitch", 0, 1, 0, F::ListPosition, L::FreqCh, false,
     img<&MemoryImage::extSwitch>, {1316, 2}, bitAt(0x3F19, 0), true},
    {OptionId::ExtSelect, "ExtSelect", 1, 9, 5, F::EntryNumber, L::OneToNine, false,
     img<&MemoryImage::extSelect>, {1318, 2}, byteAt(0x3F1A), true},
};
// clang-format on

constexpr bool tableInIdAndFileOrder() {
    for (std::size_t i = 0; i < std::size(kOptions); ++i) {
        if (std::size_t(kOptions[i].id) != i)
            return false;
        if (i > 0 && kOptions[i].file.offset <= kOptions[i - 1].file.offset)
            return false;
    }
    return std::size(kOptions) == std::size_t(OptionId::ExtSelect) + 1;
}
static_assert(tableInIdAndFileOrder());

bool chosenFromList(OptionForm form) {
    switch (form) {
    case F::ListPosition:
    case F::TotSteps:
    case F::EntryNumber:
    case F::Reference:
    case F::PubMode:
        return true;
    case F::Switch:
    case F::Tenths:
    case F::TxOffset:
    case F::Stored:
        break;
    }
    return false;
}

} // namespace

std::span<const OptionInfo> allOptions() {
    return kOptions;
}

const OptionInfo& optionInfo(OptionId id) {
    return kOptions[std::size_t(id)];
}

int optionValue(const MemoryImage& image, OptionId id) {
    // The accessor only finds the member; nothing is written through it here.
    return optionInfo(id).access(const_cast<MemoryImage&>(image)).get();
}

void setOptionValue(MemoryImage& image, OptionId id, int value) {
    optionInfo(id).access(image).set(value);
}

int nearestAllowedValue(const OptionInfo& info, int value) {
    if (value >= info.minValue && value <= info.maxValue)
        return value;
    return chosenFromList(info.form) ? info.newValue
                                     : std::clamp(value, info.minValue, info.maxValue);
}

void applyNewDocumentOptions(MemoryImage& image) {
    for (const OptionInfo& info : kOptions)
        info.access(image).set(info.newValue);
    image.extTable = kNewRssiTable;
}

} // namespace r5k27
