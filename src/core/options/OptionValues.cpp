#include "OptionValues.h"

#include "core/image/MemoryImage.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace r5k27 {
namespace {

using F = OptionForm;
using L = OptionList;
constexpr int kIntMin = std::numeric_limits<std::int16_t>::min();
constexpr int kIntMax = std::numeric_limits<std::int16_t>::max();

template <class Image>
using RefOf = std::conditional_t<std::is_const_v<Image>, ValueView, ValueRef>;

// A member of OptFeat, or element Index of an array member.
template <auto Member, int Index, class Image> RefOf<Image> optMember(Image& image) {
    auto& member = image.optFeat.*Member;
    if constexpr (Index >= 0)
        return {&member[Index]};
    else
        return {&member};
}
template <auto Member, int Index = -1>
constexpr FieldAccess opt{optMember<Member, Index, MemoryImage>,
                          optMember<Member, Index, const MemoryImage>};

// A member of the record itself; ExtFreq is its only 32-bit value.
template <auto Member, class Image> RefOf<Image> imgMember(Image& image) {
    auto& member = image.*Member;
    if constexpr (sizeof(member) == 4)
        return {nullptr, &member};
    else
        return {&member};
}
template <auto Member>
constexpr FieldAccess img{imgMember<Member, MemoryImage>, imgMember<Member, const MemoryImage>};

// One row per value, in OptionId order, which is also the order of the data file. Columns: id,
// name, range, new-document value, text form, list, default state of a switch; record member,
// data-file offset and size, radio place and coding, whether unsaved changes of it count; the
// user guide's one-line description in English and Chinese.
// clang-format off
constexpr OptionInfo kOptions[] = {
    {OptionId::HiddenRadioSetting, "Opt328", kIntMin, kIntMax, 2, F::Stored, L::None, false,
     opt<&OptFeatRec::hiddenRadioSetting>, {328, 2}, {RadioCoding::Bits, 0x3C7C, 4, 4, 1}, true,
     {"A radio setting without a control of its own; kept as read and written back unchanged.",
      "没有单独控件的对讲机设置；按读出的值保存并原样写回。"}},
    {OptionId::OptWorkMode, "OptWorkMode", 0, 1, 1, F::ListPosition, L::WorkMode, false,
     opt<&OptFeatRec::optWorkMode>, {330, 2}, notInRadio(), true,
     {"The work mode (CB or HF) kept in the data file; not sent to the radio.",
      "保存在数据文件中的工作模式（CB 或 HF）；不写入对讲机。"}},
    {OptionId::WorkGroupCB, "WorkGroup(0)", 1, 10, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::workGroup, 0>, {332, 2}, referenceAt(0x3C7D, -1), true,
     {"The group the radio uses in the CB work mode; chosen in the channel window.",
      "CB 工作模式下对讲机使用的组；在信道窗口中选择。"}},
    {OptionId::WorkGroupHF, "WorkGroup(1)", 1, 10, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::workGroup, 1>, {334, 2}, referenceAt(0x3C7E, -1), true,
     {"The group the radio uses in the HF work mode; chosen in the channel window.",
      "HF 工作模式下对讲机使用的组；在信道窗口中选择。"}},
    {OptionId::VoxFunction, "VoxFunction", 0, 1, 0, F::Switch, L::None, true,
     opt<&OptFeatRec::voxFunction>, {336, 2}, bitAt(0x3C7F, 0), true,
     {"Voice-operated transmit; kept as read, this program shows no control for it.",
      "声控发射；按读出的值保存，本程序不显示其控件。"}},
    {OptionId::ChannelMode, "ChannelMode", 0, 1, 0, F::ListPosition, L::ChannelMode, false,
     opt<&OptFeatRec::channelMode>, {338, 2}, bitAt(0x3C7F, 1), true,
     {"Channel (CH) or memory channel (MEM) operation; kept as read, no control.",
      "信道（CH）或存储信道（MEM）方式；按读出的值保存，无控件。"}},
    {OptionId::MemMenu, "MemMenu", 0, 1, 0, F::Switch, L::None, false,
     opt<&OptFeatRec::memMenu>, {340, 2}, bitAt(0x3C7F, 2), true,
     {"The MEM menu switch; kept as read, no control.",
      "MEM 菜单开关；按读出的值保存，无控件。"}},
    {OptionId::PubBotCode, "PubBotCode", 0, 16, 0, F::Reference, L::DtmfRef, false,
     opt<&OptFeatRec::pubBotCode>, {502, 2}, byteAt(0x3F09), true,
     {"DTMF code sent at the beginning of each transmission on the public channel.",
      "公共信道每次发射开始时发送的 DTMF 码。"}},
    {OptionId::PubEotCode, "PubEotCode", 0, 16, 0, F::Reference, L::DtmfRef, false,
     opt<&OptFeatRec::pubEotCode>, {504, 2}, byteAt(0x3F0A), true,
     {"DTMF code sent at the end of each transmission on the public channel.",
      "公共信道每次发射结束时发送的 DTMF 码。"}},
    {OptionId::PubCallCode, "PubCallCode", 0, 16, 0, F::Reference, L::DtmfRef, false,
     opt<&OptFeatRec::pubCallCode>, {506, 2}, byteAt(0x3F0B), true,
     {"DTMF code sent as the call on the public channel.",
      "公共信道作为呼叫发送的 DTMF 码。"}},
    {OptionId::ReceiveTrim, "Rtix", -1000, 1000, 0, F::Tenths, L::None, false,
     opt<&OptFeatRec::receiveTrim>, {508, 2}, notInRadio(), false,
     {"Receive trim in kHz; kept in the data file only, not sent to the radio.",
      "接收微调（千赫）；只保存在数据文件中，不写入对讲机。"}},
    {OptionId::TransmitTrim, "Ttix", -1000, 1000, 0, F::Tenths, L::None, false,
     opt<&OptFeatRec::transmitTrim>, {510, 2}, notInRadio(), false,
     {"Transmit trim in kHz; kept in the data file only, not sent to the radio.",
      "发射微调（千赫）；只保存在数据文件中，不写入对讲机。"}},
    {OptionId::PubHiCut, "PubHiCut", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubHiCut>, {512, 2}, bitAt(0x3F07, 0), true,
     {"High-cut audio filter on the public channel.",
      "公共信道的高音切除滤波。"}},
    {OptionId::PubNbAnl, "PubNbAnl", 0, 1, 1, F::ListPosition, L::NbAnlOffOn, false,
     opt<&OptFeatRec::pubNbAnl>, {514, 2}, bitAt(0x3F07, 1), true,
     {"Noise blanker and automatic noise limiter on the public channel.",
      "公共信道的噪声消隐与自动噪声限制。"}},
    {OptionId::PubEcho, "PubEcho", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubEcho>, {516, 2}, bitAt(0x3F07, 2), true,
     {"Echo effect on the public channel.",
      "公共信道的回音效果。"}},
    {OptionId::PubAdd10K, "PubAdd10K", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubAdd10K>, {518, 2}, bitAt(0x3F07, 3), true,
     {"Moves the public channel 10 kHz up.",
      "公共信道频率上移 10 千赫。"}},
    {OptionId::PubBusy, "PubBusy", 0, 1, 0, F::ListPosition, L::OffOn, false,
     opt<&OptFeatRec::pubBusy>, {520, 2}, bitAt(0x3F07, 4), true,
     {"Busy-channel lockout of the public channel; kept as read, no control.",
      "公共信道的遇忙禁发；按读出的值保存，无控件。"}},
    {OptionId::PubRogerTone, "PubRogerTone", 0, 8, 0, F::Reference, L::RogerRef, false,
     opt<&OptFeatRec::pubRogerTone>, {522, 2}, byteAt(0x3F08), false,
     {"Roger-beep sequence sent at the end of a transmission on the public channel.",
      "公共信道发射结束时发送的 RB 音序列。"}},
    {OptionId::BeepOn, "BeepOn", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::beepOn>, {524, 2}, byteAt(0x3F0C), true,
     {"Key beep of the radio.",
      "对讲机的按键提示音。"}},
    {OptionId::TxDisplay, "TxDisplay", 0, 3, 0, F::ListPosition, L::Indic, false,
     opt<&OptFeatRec::txDisplay>, {526, 2}, byteAt(0x3F0D), true,
     {"What the display shows while the radio transmits.",
      "对讲机发射时显示屏显示的内容。"}},
    {OptionId::MicLevel, "MicLevel", 1, 36, 30, F::EntryNumber, L::Mic, false,
     opt<&OptFeatRec::micLevel>, {528, 2}, byteAt(0x3F0E), true,
     {"Microphone gain.",
      "麦克风增益。"}},
    {OptionId::NoiseGate, "Nog", 0, 32, 0, F::ListPosition, L::NoiseGateLevels, false,
     opt<&OptFeatRec::noiseGate>, {530, 2}, byteAt(0x3F0F), true,
     {"Noise gate level; Off switches it off.",
      "噪声门等级；选“关”则关闭。"}},
    {OptionId::Tot, "Tot", 0, 60, 0, F::TotSteps, L::Tot, false,
     opt<&OptFeatRec::tot>, {532, 2}, byteAt(0x3F10), true,
     {"Time-out timer: the longest transmission before the radio stops sending.",
      "发射限时：对讲机停止发射前允许的最长发射时间。"}},
    {OptionId::SwrProtect, "SwrProtect", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::swrProtect>, {534, 2}, byteAt(0x3F11), true,
     {"Protects the transmitter when the SWR rises above the limit set beside it.",
      "驻波比超过旁边设定的门限时保护发射机。"}},
    {OptionId::BattProtect, "BattProtect", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::battProtect>, {536, 2}, byteAt(0x3F12), true,
     {"Protects the radio when the supply voltage leaves the range set beside it.",
      "电源电压超出旁边设定的范围时保护对讲机。"}},
    {OptionId::ScanMode, "ScanMode", 0, 1, 0, F::ListPosition, L::ScanMode, false,
     opt<&OptFeatRec::scanMode>, {538, 2}, byteAt(0x3F13), true,
     {"How scanning resumes: when the signal drops (squelch) or after a time.",
      "扫描恢复方式：信号消失后（静噪）或经过一段时间后。"}},
    {OptionId::FinTone, "Fin", 0, 3, 0, F::ListPosition, L::FinTone, false,
     opt<&OptFeatRec::finTone>, {540, 2}, byteAt(0x3F14), true,
     {"The Fin tone: off, on receive (R), on transmit (T) or both (RT).",
      "Fin 音：关、接收（R）、发射（T）或两者（RT）。"}},
    {OptionId::BacklightColor, "BacklightColor", 0, 6, 0, F::ListPosition, L::Color, false,
     opt<&OptFeatRec::backlightColor>, {542, 2}, byteAt(0x3F15), true,
     {"Colour of the display backlight.",
      "显示屏背光灯的颜色。"}},
    {OptionId::MenuPage, "MenuPage", 1, 9, 1, F::EntryNumber, L::OneToNine, false,
     opt<&OptFeatRec::menuPage>, {544, 2}, byteAt(0x3F21), true,
     {"The menu page the radio shows; kept as read, no control.",
      "对讲机显示的菜单页；按读出的值保存，无控件。"}},
    {OptionId::BattMin, "BattMin", 90, 170, 97, F::Tenths, L::None, false,
     opt<&OptFeatRec::battMin>, {546, 2}, batteryAt(0x3F02), true,
     {"Lowest supply voltage for the battery protection, in volts.",
      "电池电压保护的最低电源电压（伏）。"}},
    {OptionId::BattMax, "BattMax", 90, 170, 168, F::Tenths, L::None, false,
     opt<&OptFeatRec::battMax>, {548, 2}, batteryAt(0x3F00), true,
     {"Highest supply voltage for the battery protection, in volts; never below the lowest.",
      "电池电压保护的最高电源电压（伏）；不低于最低电压。"}},
    {OptionId::SwrMax, "SwrMax", 12, 200, 160, F::Tenths, L::None, false,
     opt<&OptFeatRec::swrMax>, {550, 2}, byteAt(0x3F04), true,
     {"SWR at which the SWR protection acts.",
      "驻波保护动作的驻波比。"}},
    {OptionId::PubMode, "PubMode", 0, 4, 1, F::PubMode, L::PubMode, false,
     opt<&OptFeatRec::pubMode>, {552, 2}, byteAt(0x3F05), true,
     {"Modulation of the public channel, among the enabled modes.",
      "公共信道的调制方式，从已开启的模式中选择。"}},
    {OptionId::FmEnable, "ModeEnable(0)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 0>, {554, 2}, bitAt(0x3F06, 0), true,
     {"Allows FM on the radio; one of FM, AM, USB and LSB always stays on.",
      "允许对讲机使用 FM；FM、AM、USB、LSB 中至少保留一个。"}},
    {OptionId::AmEnable, "ModeEnable(1)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 1>, {556, 2}, bitAt(0x3F06, 1), true,
     {"Allows AM on the radio; one of FM, AM, USB and LSB always stays on.",
      "允许对讲机使用 AM；FM、AM、USB、LSB 中至少保留一个。"}},
    {OptionId::UsbEnable, "ModeEnable(2)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 2>, {558, 2}, bitAt(0x3F06, 2), true,
     {"Allows USB on the radio; one of FM, AM, USB and LSB always stays on.",
      "允许对讲机使用 USB；FM、AM、USB、LSB 中至少保留一个。"}},
    {OptionId::LsbEnable, "ModeEnable(3)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 3>, {560, 2}, bitAt(0x3F06, 3), true,
     {"Allows LSB on the radio; one of FM, AM, USB and LSB always stays on.",
      "允许对讲机使用 LSB；FM、AM、USB、LSB 中至少保留一个。"}},
    {OptionId::PaEnable, "ModeEnable(4)", 0, 1, 1, F::Switch, L::None, true,
     opt<&OptFeatRec::modeEnable, 4>, {562, 2}, bitAt(0x3F06, 4), true,
     {"Allows the PA (public address) mode; channels in PA turn to the first enabled mode when it is switched off.",
      "允许 PA（扩音）模式；关闭后 PA 信道改为第一个开启的模式。"}},
    {OptionId::DtmfSendTime, "DtmfSendTime", 1, 50, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::dtmfSendTime>, {564, 2}, byteAt(0x3F1B), true,
     {"Length of each DTMF digit sent; set in the DTMF window.",
      "每个 DTMF 数码的发送时长；在 DTMF 窗口中设置。"}},
    {OptionId::FirstDigitTime, "FirstDigitTime", 0, 10, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::firstDigitTime>, {566, 2}, byteAt(0x3F1C), true,
     {"Length of the first DTMF digit; set in the DTMF window.",
      "第一个 DTMF 数码的时长；在 DTMF 窗口中设置。"}},
    {OptionId::FirstDigitDelay, "FirstDigitDelay", 1, 25, 1, F::Stored, L::None, false,
     opt<&OptFeatRec::firstDigitDelay>, {568, 2}, byteAt(0x3F1D), true,
     {"Pause before the first DTMF digit; set in the DTMF window.",
      "第一个 DTMF 数码之前的延迟；在 DTMF 窗口中设置。"}},
    {OptionId::StarHashTime, "StarHashTime", 0, 10, 0, F::Stored, L::None, false,
     opt<&OptFeatRec::starHashTime>, {570, 2}, byteAt(0x3F1E), true,
     {"Length of the * and # tones; set in the DTMF window.",
      "*和#音的时长；在 DTMF 窗口中设置。"}},
    {OptionId::DCodeAssign, "DCodeAssign", 0, 16, 0, F::Stored, L::None, false,
     opt<&OptFeatRec::dCodeAssign>, {572, 2}, byteAt(0x3F1F), true,
     {"What the D key sends: the D code or a timed tone; set in the DTMF window.",
      "D 键发送的内容：D 码或定时音；在 DTMF 窗口中设置。"}},
    {OptionId::DtmfDisplay, "DtmfDisplay", 0, 1, 0, F::Stored, L::None, false,
     opt<&OptFeatRec::dtmfDisplay>, {574, 2}, byteAt(0x3F20), true,
     {"Shows DTMF codes on the display; set in the DTMF window.",
      "在显示屏上显示 DTMF 码；在 DTMF 窗口中设置。"}},
    {OptionId::ExtFreq, "ExtFreq", 1, 50000, 100, F::TxOffset, L::None, false,
     img<&MemoryImage::extFreq>, {1312, 4}, wordAt(0x3F17), true,
     {"Transmit offset in MHz.",
      "发射频偏（兆赫）。"}},
    {OptionId::ExtSwitch, "ExtSwitch", 0, 1, 0, F::ListPosition, L::FreqCh, false,
     img<&MemoryImage::extSwitch>, {1316, 2}, bitAt(0x3F19, 0), true,
     {"Whether the display shows the channel number or the frequency.",
      "显示屏显示信道号还是频率。"}},
    {OptionId::ExtSelect, "ExtSelect", 1, 9, 5, F::EntryNumber, L::OneToNine, false,
     img<&MemoryImage::extSelect>, {1318, 2}, byteAt(0x3F1A), true,
     {"Automatic squelch (ASQ) level.",
      "自动静噪（ASQ）等级。"}},
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
    return optionInfo(id).access(image).get();
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
