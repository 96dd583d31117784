#include "OptionValues.h"

#include "image/MemoryImage.h"

#include <limits>

namespace r5k27 {
namespace {

using F = OptionForm;
using L = OptionList;
constexpr int kIntMin = std::numeric_limits<std::int16_t>::min();
constexpr int kIntMax = std::numeric_limits<std::int16_t>::max();

// In OptionId order.
constexpr OptionInfo kOptions[] = {
    {OptionId::Opt328, "Opt328", kIntMin, kIntMax, 2, F::Stored, L::None, false},
    {OptionId::OptWorkMode, "OptWorkMode", 0, 1, 1, F::ListPosition, L::WorkMode, false},
    {OptionId::WorkGroupCB, "WorkGroup(0)", 1, 10, 1, F::Stored, L::None, false},
    {OptionId::WorkGroupHF, "WorkGroup(1)", 1, 10, 1, F::Stored, L::None, false},
    {OptionId::VoxFunction, "VoxFunction", 0, 1, 0, F::Switch, L::None, true},
    {OptionId::ChannelMode, "ChannelMode", 0, 1, 0, F::ListPosition, L::ChannelMode, false},
    {OptionId::MemMenu, "MemMenu", 0, 1, 0, F::Switch, L::None, false},
    {OptionId::PubBotCode, "PubBotCode", 0, 16, 0, F::Reference, L::DtmfRef, false},
    {OptionId::PubEotCode, "PubEotCode", 0, 16, 0, F::Reference, L::DtmfRef, false},
    {OptionId::PubCallCode, "PubCallCode", 0, 16, 0, F::Reference, L::DtmfRef, false},
    {OptionId::Rtix, "Rtix", -1000, 1000, 0, F::Tenths, L::None, false},
    {OptionId::Ttix, "Ttix", -1000, 1000, 0, F::Tenths, L::None, false},
    {OptionId::PubHiCut, "PubHiCut", 0, 1, 0, F::ListPosition, L::OffOn, false},
    {OptionId::PubNbAnl, "PubNbAnl", 0, 1, 1, F::ListPosition, L::NbAnlOffOn, false},
    {OptionId::PubEcho, "PubEcho", 0, 1, 0, F::ListPosition, L::OffOn, false},
    {OptionId::PubAdd10K, "PubAdd10K", 0, 1, 0, F::ListPosition, L::OffOn, false},
    {OptionId::PubBusy, "PubBusy", 0, 1, 0, F::ListPosition, L::OffOn, false},
    {OptionId::PubRogerTone, "PubRogerTone", 0, 8, 0, F::Reference, L::RogerRef, false},
    {OptionId::BeepOn, "BeepOn", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::TxDisplay, "TxDisplay", 0, 3, 0, F::ListPosition, L::Indic, false},
    {OptionId::MicLevel, "MicLevel", 1, 36, 30, F::EntryNumber, L::Mic, false},
    {OptionId::Nog, "Nog", 0, 32, 0, F::ListPosition, L::Nog, false},
    {OptionId::Tot, "Tot", 0, 60, 0, F::TotSteps, L::Tot, false},
    {OptionId::SwrProtect, "SwrProtect", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::BattProtect, "BattProtect", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::ScanMode, "ScanMode", 0, 1, 0, F::ListPosition, L::ScanMode, false},
    {OptionId::Fin, "Fin", 0, 3, 0, F::ListPosition, L::Fin, false},
    {OptionId::BacklightColor, "BacklightColor", 0, 6, 0, F::ListPosition, L::Color, false},
    {OptionId::MenuPage, "MenuPage", 1, 9, 1, F::EntryNumber, L::OneToNine, false},
    {OptionId::BattMin, "BattMin", 90, 170, 97, F::Tenths, L::None, false},
    {OptionId::BattMax, "BattMax", 90, 170, 168, F::Tenths, L::None, false},
    {OptionId::SwrMax, "SwrMax", 12, 200, 160, F::Tenths, L::None, false},
    {OptionId::PubMode, "PubMode", 0, 4, 1, F::PubMode, L::PubMode, false},
    {OptionId::FmEnable, "ModeEnable(0)", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::AmEnable, "ModeEnable(1)", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::UsbEnable, "ModeEnable(2)", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::LsbEnable, "ModeEnable(3)", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::PaEnable, "ModeEnable(4)", 0, 1, 1, F::Switch, L::None, true},
    {OptionId::DtmfSendTime, "DtmfSendTime", 1, 50, 1, F::Stored, L::None, false},
    {OptionId::FirstDigitTime, "FirstDigitTime", 0, 10, 1, F::Stored, L::None, false},
    {OptionId::FirstDigitDelay, "FirstDigitDelay", 1, 25, 1, F::Stored, L::None, false},
    {OptionId::StarHashTime, "StarHashTime", 0, 10, 0, F::Stored, L::None, false},
    {OptionId::DCodeAssign, "DCodeAssign", 0, 16, 0, F::Stored, L::None, false},
    {OptionId::DtmfDisplay, "DtmfDisplay", 0, 1, 0, F::Stored, L::None, false},
    {OptionId::ExtFreq, "ExtFreq", 1, 50000, 100, F::TxOffset, L::None, false},
    {OptionId::ExtSwitch, "ExtSwitch", 0, 1, 0, F::ListPosition, L::FreqCh, false},
    {OptionId::ExtSelect, "ExtSelect", 1, 9, 5, F::EntryNumber, L::OneToNine, false},
};

constexpr bool tableInIdOrder() {
    for (std::size_t i = 0; i < std::size(kOptions); ++i) {
        if (std::size_t(kOptions[i].id) != i)
            return false;
    }
    return std::size(kOptions) == std::size_t(OptionId::ExtSelect) + 1;
}
static_assert(tableInIdOrder());

// The 16-bit field of every value except ExtFreq, which is 32 bits wide.
template <class Image> auto field(Image& image, OptionId id) -> decltype(&image.extSwitch) {
    auto& o = image.optFeat;
    switch (id) {
    case OptionId::Opt328:
        return &o.opt328;
    case OptionId::OptWorkMode:
        return &o.optWorkMode;
    case OptionId::WorkGroupCB:
        return &o.workGroup[0];
    case OptionId::WorkGroupHF:
        return &o.workGroup[1];
    case OptionId::VoxFunction:
        return &o.voxFunction;
    case OptionId::ChannelMode:
        return &o.channelMode;
    case OptionId::MemMenu:
        return &o.memMenu;
    case OptionId::PubBotCode:
        return &o.pubBotCode;
    case OptionId::PubEotCode:
        return &o.pubEotCode;
    case OptionId::PubCallCode:
        return &o.pubCallCode;
    case OptionId::Rtix:
        return &o.rtix;
    case OptionId::Ttix:
        return &o.ttix;
    case OptionId::PubHiCut:
        return &o.pubHiCut;
    case OptionId::PubNbAnl:
        return &o.pubNbAnl;
    case OptionId::PubEcho:
        return &o.pubEcho;
    case OptionId::PubAdd10K:
        return &o.pubAdd10K;
    case OptionId::PubBusy:
        return &o.pubBusy;
    case OptionId::PubRogerTone:
        return &o.pubRogerTone;
    case OptionId::BeepOn:
        return &o.beepOn;
    case OptionId::TxDisplay:
        return &o.txDisplay;
    case OptionId::MicLevel:
        return &o.micLevel;
    case OptionId::Nog:
        return &o.nog;
    case OptionId::Tot:
        return &o.tot;
    case OptionId::SwrProtect:
        return &o.swrProtect;
    case OptionId::BattProtect:
        return &o.battProtect;
    case OptionId::ScanMode:
        return &o.scanMode;
    case OptionId::Fin:
        return &o.fin;
    case OptionId::BacklightColor:
        return &o.backlightColor;
    case OptionId::MenuPage:
        return &o.menuPage;
    case OptionId::BattMin:
        return &o.battMin;
    case OptionId::BattMax:
        return &o.battMax;
    case OptionId::SwrMax:
        return &o.swrMax;
    case OptionId::PubMode:
        return &o.pubMode;
    case OptionId::FmEnable:
        return &o.modeEnable[0];
    case OptionId::AmEnable:
        return &o.modeEnable[1];
    case OptionId::UsbEnable:
        return &o.modeEnable[2];
    case OptionId::LsbEnable:
        return &o.modeEnable[3];
    case OptionId::PaEnable:
        return &o.modeEnable[4];
    case OptionId::DtmfSendTime:
        return &o.dtmfSendTime;
    case OptionId::FirstDigitTime:
        return &o.firstDigitTime;
    case OptionId::FirstDigitDelay:
        return &o.firstDigitDelay;
    case OptionId::StarHashTime:
        return &o.starHashTime;
    case OptionId::DCodeAssign:
        return &o.dCodeAssign;
    case OptionId::DtmfDisplay:
        return &o.dtmfDisplay;
    case OptionId::ExtSwitch:
        return &image.extSwitch;
    case OptionId::ExtSelect:
        return &image.extSelect;
    case OptionId::ExtFreq:
        break;
    }
    return nullptr;
}

} // namespace

std::span<const OptionInfo> allOptions() {
    return kOptions;
}

const OptionInfo& optionInfo(OptionId id) {
    return kOptions[std::size_t(id)];
}

int optionValue(const MemoryImage& image, OptionId id) {
    if (id == OptionId::ExtFreq)
        return image.extFreq;
    return *field(image, id);
}

void setOptionValue(MemoryImage& image, OptionId id, int value) {
    if (id == OptionId::ExtFreq)
        image.extFreq = value;
    else
        *field(image, id) = std::int16_t(value);
}

void applyNewDocumentOptions(MemoryImage& image) {
    for (const OptionInfo& info : kOptions)
        setOptionValue(image, info.id, info.newValue);
    image.extTable = kNewRssiTable;
}

} // namespace r5k27
