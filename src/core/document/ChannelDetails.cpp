#include "ChannelDetails.h"

#include "core/channels/ChannelRec.h"
#include "core/channels/ListHelpers.h"
#include "core/channels/ModeCodec.h"
#include "core/channels/ToneCodec.h"
#include "core/image/MemoryImage.h"
#include "core/lang/ChannelWindowCaptions.h"
#include "core/options/OptionLists.h"

#include <array>

namespace r5k27 {
namespace {

using F = ChannelField;

// Panel order; the two lists without a setting carry their own caption.
struct DetailRow {
    std::optional<ChannelField> field;
    LocalText ownCaption;
};
const std::array<DetailRow, kDetailCount> kRows{{
    {F::DecodeTone, {}},
    {std::nullopt, {"QT/DQT Enc", "编码"}},
    {F::HiCut, {}},
    {F::NbAnl, {}},
    {F::Echo, {}},
    {F::Add10K, {}},
    {F::BusyLock, {}},
    {F::RepShift, {}},
    {std::nullopt, {"TSQ", "TSQ"}},
    {F::PublicCh, {}},
    {F::ScanAdd, {}},
    {F::RogerTone, {}},
    {F::Mode, {}},
    {F::BotCode, {}},
    {F::EotCode, {}},
    {F::CallCode, {}},
}};

constexpr LocalText kOff{"OFF", "关"};

bool valid(int index) {
    return index >= 0 && index < kDetailCount;
}

ChannelChoice choiceOf(int index) {
    const auto field = detailField(index);
    return field ? channelFieldInfo(*field).choice : ChannelChoice::None;
}

// Lists whose entries are the values' numbers as text rather than positions.
bool byText(ChannelChoice choice) {
    return choice == ChannelChoice::RogerRef || choice == ChannelChoice::DtmfRef ||
           choice == ChannelChoice::Mode;
}

QString entryTextOf(ChannelChoice choice, int value) {
    // A mode code without an entry must not match FM's: the list shows it as its number.
    if (choice == ChannelChoice::Mode && value >= 0 && value <= kModePA)
        return modeTextFromCode(value);
    return QString::number(value);
}

} // namespace

std::optional<ChannelField> detailField(int index) {
    return valid(index) ? kRows[std::size_t(index)].field : std::nullopt;
}

int detailIndexOf(ChannelField field) {
    for (int i = 0; i < kDetailCount; ++i)
        if (kRows[std::size_t(i)].field == field)
            return i;
    return -1;
}

LocalText detailCaption(int index) {
    if (!valid(index))
        return {"", ""};
    const DetailRow& row = kRows[std::size_t(index)];
    return row.field ? channelFieldInfo(*row.field).caption : row.ownCaption;
}

QStringList detailList(int index, const MemoryImage& image, Language lang, bool memView) {
    if (index == 1)
        return shortToneList(lang);
    if (index == 8)
        return {LocalText{"Disable", "不使用"}.in(lang), LocalText{"Enable", "使用"}.in(lang)};
    switch (choiceOf(index)) {
    case ChannelChoice::LongTone:
        return longToneList(lang);
    case ChannelChoice::RepShift:
        return {kOff.in(lang), QStringLiteral("+"), QStringLiteral("-")};
    case ChannelChoice::ScanDelAdd:
        return {LocalText{"Del", "删除"}.in(lang), LocalText{"Add", "添加"}.in(lang)};
    case ChannelChoice::RogerRef:
        return optionList(OptionList::RogerRef, image, lang);
    case ChannelChoice::Mode:
        return fillModeList(image.optFeat.modeEnable, memView);
    case ChannelChoice::DtmfRef:
        return optionList(OptionList::DtmfRef, image, lang);
    case ChannelChoice::Switch:
        return optionList(OptionList::OffOn, image, lang);
    case ChannelChoice::ShortTone:
    case ChannelChoice::None:
    case ChannelChoice::Frequency:
        break;
    }
    return {};
}

DetailChoices detailChoices(int index, const ChannelRec& rec, const MemoryImage& image,
                            Language lang, bool memView) {
    DetailChoices choices;
    choices.entries = detailList(index, image, lang, memView);
    choices.offered = int(choices.entries.size());
    const auto field = detailField(index);
    if (!field) {
        choices.shown = choices.entries.isEmpty() ? -1 : 0;
        return choices;
    }
    const ChannelChoice choice = channelFieldInfo(*field).choice;
    const int value = channelValue(rec, *field);
    int at = -1;
    if (!byText(choice))
        at = value >= 0 && value < choices.offered ? value : -1;
    else if (value == 0 && choice != ChannelChoice::Mode)
        at = choices.entries.isEmpty() ? -1 : 0; // no reference: the off entry, which comes first
    else
        at = int(choices.entries.indexOf(entryTextOf(choice, value)));
    if (at >= 0) {
        choices.shown = at;
        return choices;
    }
    choices.entries << channelValueText(rec, *field, lang);
    choices.shown = choices.offered;
    return choices;
}

std::optional<int> detailValue(int index, const DetailChoices& choices, int position) {
    const auto field = detailField(index);
    if (!field || position < 0 || position >= choices.offered)
        return std::nullopt;
    const ChannelChoice choice = channelFieldInfo(*field).choice;
    if (!byText(choice))
        return position;
    const QString text = choices.entries.at(position);
    if (choice == ChannelChoice::Mode)
        return modeCodeFromText(text);
    return position == 0 ? 0 : text.toInt(); // the first entry is the off entry
}

bool isGreyedWhenPublic(int index) {
    const auto field = detailField(index);
    return field && channelFieldInfo(*field).greyedWhenPublic;
}

QString detailHint(int index, Language lang) {
    const auto field = detailField(index);
    if (!field)
        return {};
    const ChannelWindowCaptions& texts = channelWindowCaptions();
    const LocalText* hint = &texts.hintSwitch;
    switch (channelFieldInfo(*field).choice) {
    case ChannelChoice::LongTone:
    case ChannelChoice::ShortTone:
        hint = &texts.hintTone;
        break;
    case ChannelChoice::RepShift:
        hint = &texts.hintRepShift;
        break;
    case ChannelChoice::ScanDelAdd:
        hint = &texts.hintScan;
        break;
    case ChannelChoice::Mode:
        hint = &texts.hintMode;
        break;
    case ChannelChoice::RogerRef:
        hint = &texts.hintRoger;
        break;
    case ChannelChoice::DtmfRef:
        hint = &texts.hintDtmf;
        break;
    case ChannelChoice::Switch:
    case ChannelChoice::None:
    case ChannelChoice::Frequency:
        break;
    }
    QString text = hint->in(lang);
    if (isGreyedWhenPublic(index))
        text += u' ' + texts.hintGreyedWhenPublic.in(lang);
    return text;
}

} // namespace r5k27
