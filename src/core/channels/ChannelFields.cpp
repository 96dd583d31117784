#include "ChannelFields.h"

#include "Frequency.h"
#include "ModeCodec.h"
#include "ToneCodec.h"

#include <array>

namespace r5k27 {
namespace {

using C = ChannelChoice;
using R = ChannelRadio;
using F = ChannelField;
constexpr FixedText<8> ChannelRec::*kNoText = nullptr;
constexpr std::int16_t ChannelRec::*kNoNumber = nullptr;

// One row per field, in record order. Columns: id, name, member, file place, radio form and
// place in the block, CSV column, report key, caption, choice, new-channel value, compared,
// greyed on a public channel.
// clang-format off
constexpr ChannelFieldInfo kFields[] = {
    {F::ChNo, "ChNo", &ChannelRec::chNo, kNoText, {0, 2}, R::None, notInRadio(),
     nullptr, "ch", {"CH No.", "信道"}, C::None, -1, true, false},
    {F::ChFlag, "ChFlag", &ChannelRec::chFlag, kNoText, {2, 2}, R::None, notInRadio(),
     nullptr, "flag", {"ChFlag", "ChFlag"}, C::None, 1, true, false},
    {F::ScanAdd, "ScanAdd", &ChannelRec::scanAdd, kNoText, {4, 2}, R::ScanBitmap, notInRadio(),
     nullptr, "scan", {"Scan", "扫描"}, C::ScanDelAdd, 1, true, false},
    {F::RxFreq, "RxFreq", kNoNumber, &ChannelRec::rxFreq, {6, 8}, R::Frequency, notInRadio(),
     nullptr, "rx", {"Frequency", "频率"}, C::Frequency, -1, true, false},
    {F::TxFreq, "TxFreq", kNoNumber, &ChannelRec::txFreq, {14, 8}, R::None, notInRadio(),
     nullptr, "tx", {"Tx Frequency", "发射频率"}, C::None, -1, false, false},
    {F::Spare1, "Spare1", &ChannelRec::spare1, kNoText, {22, 2}, R::None, notInRadio(),
     nullptr, "spare1", {"Spare1", "Spare1"}, C::None, -1, false, false},
    {F::Spare2, "Spare2", &ChannelRec::spare2, kNoText, {24, 2}, R::None, notInRadio(),
     nullptr, "spare2", {"Spare2", "Spare2"}, C::None, -1, false, false},
    {F::DecodeTone, "DecodeTone", &ChannelRec::decodeTone, kNoText, {26, 2}, R::Tone, notInRadio(),
     nullptr, "tsq", {"TSQ", "TSQ"}, C::LongTone, kNewChannelTone, true, false},
    {F::EncodeTone, "EncodeTone", &ChannelRec::encodeTone, kNoText, {28, 2}, R::None, notInRadio(),
     nullptr, "encode", {"QT/DQT Enc", "编码"}, C::ShortTone, kNewChannelTone, true, false},
    {F::Mode, "Mode", &ChannelRec::mode, kNoText, {30, 2}, R::InBlock, byteAt(6),
     "R5K27Mode", "mode", {"Mode", "模式"}, C::Mode, 0, true, true},
    {F::HiCut, "HiCut", &ChannelRec::hiCut, kNoText, {32, 2}, R::InBlock, bitAt(9, 0),
     "HiCut", "hiCut", {"HI-CUT", "HI-CUT"}, C::Switch, 0, true, true},
    {F::NbAnl, "NbAnl", &ChannelRec::nbAnl, kNoText, {34, 2}, R::InBlock, bitAt(9, 1),
     "NbAnl", "nbAnl", {"NB/ANL", "NB/ANL"}, C::Switch, 1, true, true},
    {F::Echo, "Echo", &ChannelRec::echo, kNoText, {36, 2}, R::InBlock, bitAt(9, 2),
     "Echo", "echo", {"ECHO", "ECHO"}, C::Switch, 0, true, true},
    {F::Add10K, "Add10K", &ChannelRec::add10K, kNoText, {38, 2}, R::InBlock, bitAt(9, 3),
     "Add10K", "add10K", {"+10KHz", "+10KHz"}, C::Switch, 0, true, true},
    {F::BusyLock, "BusyLock", &ChannelRec::busyLock, kNoText, {40, 2}, R::InBlock, bitAt(9, 4),
     "Busy", "busy", {"BUSY", "BUSY"}, C::Switch, 0, true, false},
    {F::RogerTone, "RogerTone", &ChannelRec::rogerTone, kNoText, {42, 2}, R::InBlock, byteAt(10),
     "Roger", "roger", {"Roger", "RB音"}, C::RogerRef, 0, false, true},
    {F::RepShift, "RepShift", &ChannelRec::repShift, kNoText, {44, 2}, R::InBlock, bitAt(11, 0, 2),
     nullptr, "rep", {"REP", "REP"}, C::RepShift, 0, true, false},
    {F::PublicCh, "PublicCh", &ChannelRec::publicCh, kNoText, {46, 2}, R::InBlock, bitAt(11, 7),
     "Public", "public", {"Public", "公共信道"}, C::Switch, 0, true, false},
    {F::BotCode, "BotCode", &ChannelRec::botCode, kNoText, {48, 2}, R::InBlock, byteAt(12),
     "BOT", "bot", {"BOT", "BOT"}, C::DtmfRef, 0, true, true},
    {F::EotCode, "EotCode", &ChannelRec::eotCode, kNoText, {50, 2}, R::InBlock, byteAt(13),
     "EOT", "eot", {"EOT", "EOT"}, C::DtmfRef, 0, true, true},
    {F::CallCode, "CallCode", &ChannelRec::callCode, kNoText, {52, 2}, R::InBlock, byteAt(14),
     "Call", "call", {"Call", "CALL"}, C::DtmfRef, 0, true, true},
};
// clang-format on

constexpr bool rowsFollowTheRecord() {
    int offset = 0;
    for (int i = 0; i < kChannelFieldCount; ++i) {
        const ChannelFieldInfo& row = kFields[i];
        if (int(row.id) != i || row.file.offset != offset ||
            (row.number == nullptr) == (row.text == nullptr))
            return false;
        offset += row.file.size;
    }
    return offset == ChannelRec::kFileSize;
}
static_assert(std::size(kFields) == std::size_t(kChannelFieldCount));
static_assert(rowsFollowTheRecord(), "channel rows must tile the 54-byte record in order");

QString offOnText(int value, Language lang) {
    return value == 1   ? LocalText{"ON", "开"}.in(lang)
           : value == 0 ? LocalText{"OFF", "关"}.in(lang)
                        : QString::number(value);
}

} // namespace

std::span<const ChannelFieldInfo> channelFields() {
    return kFields;
}

const ChannelFieldInfo& channelFieldInfo(ChannelField id) {
    return kFields[std::size_t(id)];
}

bool ignoredByRadio(const ChannelRec& rec, ChannelField id) {
    return rec.publicCh == 1 && channelFieldInfo(id).greyedWhenPublic;
}

int channelValue(const ChannelRec& rec, ChannelField id) {
    const ChannelFieldInfo& row = channelFieldInfo(id);
    return row.number ? rec.*row.number : 0;
}

void setChannelValue(ChannelRec& rec, ChannelField id, int value) {
    const ChannelFieldInfo& row = channelFieldInfo(id);
    if (row.number)
        rec.*row.number = std::int16_t(value);
}

void fillNewChannel(ChannelRec& rec, int chNo, const QString& storedFreq) {
    for (const ChannelFieldInfo& row : kFields) {
        if (row.text)
            (rec.*row.text).assign(storedFreq);
        else if (row.newValue >= 0)
            rec.*row.number = std::int16_t(row.newValue);
    }
    rec.chNo = std::int16_t(chNo);
}

bool sameComparedFields(const ChannelRec& a, const ChannelRec& b) {
    for (const ChannelFieldInfo& row : kFields) {
        if (!row.compared)
            continue;
        if (row.text ? a.*row.text != b.*row.text : a.*row.number != b.*row.number)
            return false;
    }
    return true;
}

QString channelValueText(const ChannelRec& rec, ChannelField id, Language lang) {
    const ChannelFieldInfo& row = channelFieldInfo(id);
    if (row.text) {
        const auto frequency = Frequency::fromStored((rec.*row.text).raw());
        return frequency ? frequency->text() : QString();
    }
    const int value = rec.*row.number;
    switch (row.choice) {
    case C::Switch:
        return offOnText(value, lang);
    case C::LongTone:
        return value >= 0 && value < kToneIndexCount ? longToneList(lang).at(value)
                                                     : QString::number(value);
    case C::ShortTone:
        return value >= 0 && value < kToneIndexCount ? shortToneList(lang).at(value)
                                                     : QString::number(value);
    case C::RepShift:
        return value == 1   ? QStringLiteral("+")
               : value == 2 ? QStringLiteral("-")
                            : offOnText(value, lang);
    case C::ScanDelAdd:
        return value == 1   ? LocalText{"Add", "添加"}.in(lang)
               : value == 0 ? LocalText{"Del", "删除"}.in(lang)
                            : QString::number(value);
    case C::Mode:
        return value >= 0 && value <= kModePA ? modeTextFromCode(value) : QString::number(value);
    case C::RogerRef:
    case C::DtmfRef:
        return value == 0 ? offOnText(0, lang) : QString::number(value);
    case C::None:
    case C::Frequency:
        break;
    }
    return QString::number(value);
}

} // namespace r5k27
