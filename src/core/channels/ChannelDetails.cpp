#include "ChannelDetails.h"

#include "ChannelRec.h"
#include "ListHelpers.h"
#include "ModeCodec.h"
#include "ToneCodec.h"
#include "image/MemoryImage.h"
#include "options/OptionLists.h"

#include <algorithm>
#include <array>

namespace r5k27 {
namespace {

// How a list maps to its channel field.
enum class Store { Position, Number, ModeText, Nothing };

struct DetailRow {
    BiText caption;
    std::int16_t ChannelRec::*field; // null for the lists that store nothing
    Store store;
};

constexpr std::array<DetailRow, kDetailCount> kRows{{
    {{"TSQ", "TSQ"}, &ChannelRec::decodeTone, Store::Position},
    {{"QT/DQT Enc", "编码"}, nullptr, Store::Nothing},
    {{"HI-CUT", "HI-CUT"}, &ChannelRec::hiCut, Store::Position},
    {{"NB/ANL", "NB/ANL"}, &ChannelRec::nbAnl, Store::Position},
    {{"ECHO", "ECHO"}, &ChannelRec::echo, Store::Position},
    {{"+10KHz", "+10KHz"}, &ChannelRec::add10K, Store::Position},
    {{"BUSY", "BUSY"}, &ChannelRec::busyLock, Store::Position},
    {{"REP", "REP"}, &ChannelRec::repShift, Store::Position},
    {{"TSQ", "TSQ"}, nullptr, Store::Nothing},
    {{"Public", "公共信道"}, &ChannelRec::publicCh, Store::Position},
    {{"Scan", "扫描"}, &ChannelRec::scanAdd, Store::Position},
    {{"Roger", "RB音"}, &ChannelRec::rogerTone, Store::Number},
    {{"Mode", "模式"}, &ChannelRec::mode, Store::ModeText},
    {{"BOT", "BOT"}, &ChannelRec::botCode, Store::Number},
    {{"EOT", "EOT"}, &ChannelRec::eotCode, Store::Number},
    {{"Call", "CALL"}, &ChannelRec::callCode, Store::Number},
}};

constexpr BiText kOff{"OFF", "关"};

bool valid(int index) {
    return index >= 0 && index < kDetailCount;
}

} // namespace

BiText detailCaption(int index) {
    return valid(index) ? kRows[std::size_t(index)].caption : BiText{"", ""};
}

QStringList detailList(int index, const MemoryImage& image, int lang, bool memView) {
    switch (index) {
    case 0:
        return longToneList(lang);
    case 1:
        return shortToneList(lang);
    case 7:
        return {kOff.in(lang), QStringLiteral("+"), QStringLiteral("-")};
    case 8:
        return {BiText{"Disable", "不使用"}.in(lang), BiText{"Enable", "使用"}.in(lang)};
    case 10:
        return {BiText{"Del", "删除"}.in(lang), BiText{"Add", "添加"}.in(lang)};
    case kDetailRoger:
        return optionList(OptionList::RogerRef, image, lang);
    case kDetailMode:
        return fillModeList(image.optFeat.modeEnable, memView);
    case 13:
    case 14:
    case 15:
        return optionList(OptionList::DtmfRef, image, lang);
    default:
        return valid(index) ? optionList(OptionList::OffOn, image, lang) : QStringList{};
    }
}

int detailShownIndex(int index, const ChannelRec& rec, const QStringList& list) {
    if (!valid(index))
        return -1;
    const DetailRow& row = kRows[std::size_t(index)];
    switch (row.store) {
    case Store::Position:
        return selectListIndex(list, rec.*row.field);
    case Store::Number:
        return selectListText(list, QString::number(rec.*row.field));
    case Store::ModeText:
        return selectListText(list, modeTextFromCode(rec.*row.field));
    case Store::Nothing:
        break;
    }
    return selectListIndex(list, 0);
}

bool storeDetail(int index, ChannelRec& rec, const QStringList& list, int position) {
    if (!valid(index) || kRows[std::size_t(index)].store == Store::Nothing)
        return false;
    const DetailRow& row = kRows[std::size_t(index)];
    const QString text = position >= 0 && position < list.size() ? list.at(position) : QString();
    switch (row.store) {
    case Store::Position:
        rec.*row.field = std::int16_t(std::max(position, 0));
        break;
    case Store::Number:
        // The first entry is the off entry.
        rec.*row.field = position >= 1 ? std::int16_t(text.toInt()) : std::int16_t(0);
        break;
    case Store::ModeText:
        rec.*row.field = modeCodeFromText(text);
        break;
    case Store::Nothing:
        break;
    }
    return true;
}

bool isGreyedWhenPublic(int index) {
    return (index >= 2 && index <= 5) || (index >= kDetailRoger && index <= kDetailLastDtmf);
}

} // namespace r5k27
