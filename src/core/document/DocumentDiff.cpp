#include "DocumentDiff.h"

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/FrequencyCodec.h"
#include "core/image/RadioLayout.h"
#include "core/options/GroupFields.h"
#include "core/options/OptionCaptions.h"
#include "core/options/OptionLists.h"
#include "core/options/OptionText.h"
#include "core/options/OptionValues.h"

#include <array>

namespace r5k27 {
namespace {

const QString kNone = QStringLiteral("-");

using Differences = QList<FieldDifference>;

// Texts are made only for values that differ, so comparing two full documents stays cheap. An
// empty text (a code or name not set) shows as "-", so the line still reads.
void add(Differences& out, const QString& where, const QString& left, const QString& right,
         const QString& field = {}) {
    if (left != right)
        out.append({where, left.isEmpty() ? kNone : left, right.isEmpty() ? kNone : right, field});
}

// "A12 Frequency": the place and the field's name.
void addField(Differences& out, const QString& place, const QString& field, const QString& left,
              const QString& right) {
    add(out, place + u' ' + field, left, right, field);
}

QString number(int value) {
    return QString::number(value);
}

// Two values that differ but read the same (a reference to a sequence that is not playable
// shows as off, like 0) are told apart by what is stored.
void addShown(Differences& out, const QString& where, QString left, QString right,
              const QString& leftStored, const QString& rightStored, const QString& field) {
    if (left == right) {
        left += QStringLiteral(" (") + leftStored + u')';
        right += QStringLiteral(" (") + rightStored + u')';
    }
    add(out, where, left, right, field);
}

template <std::size_t N> QString typed(const FixedText<N>& text) {
    return cutAtNulTrimmed(text.raw());
}

// A channel field is compared when the radio holds it; the encode tone and the flag are not
// held, so a read rewrites them and they never count.
bool radioHolds(const ChannelFieldInfo& row) {
    return row.radioForm != ChannelRadio::None;
}

bool sameValue(const ChannelRec& a, const ChannelRec& b, const ChannelFieldInfo& row) {
    return row.text ? a.*row.text == b.*row.text : a.*row.number == b.*row.number;
}

// Frequencies keep every stored digit, so two that differ below 100 Hz do not read the same.
QString frequencyText(const ChannelRec& rec) {
    return storedToExactMhz(typed(rec.rxFreq));
}

QString valueText(const ChannelRec& rec, const ChannelFieldInfo& row, Language lang) {
    return row.text ? storedToExactMhz(typed(rec.*row.text)) : channelValueText(rec, row.id, lang);
}

QString modePrefix(int mode) {
    return mode == 0 ? QString() : QStringLiteral("HF ");
}

QString groupLabel(int mode, int group) {
    return modePrefix(mode) + groupTextFromNumber(group);
}

// The used record of every channel number of one group; null where there is none.
using ChannelIndex = std::array<const ChannelRec*, kSlotCount + 1>;

ChannelIndex channelIndex(const MemoryImage& image, const ChTable& table, int mode, int group) {
    ChannelIndex index{};
    const int used = usedSlots(image, mode, group);
    for (int slot = used; slot >= 1; --slot) { // the first slot of a number wins
        const ChannelRec& rec = table.at({mode, group, slot});
        if (rec.chNo >= 1 && rec.chNo <= kSlotCount)
            index[std::size_t(rec.chNo)] = &rec;
    }
    return index;
}

void compareChannel(Differences& out, const ChannelRec* left, const ChannelRec* right,
                    const QString& name, Language lang) {
    if (!left || !right) {
        // Named by its frequency, in the words a difference of two channels uses.
        const QString field = channelFieldInfo(ChannelField::RxFreq).caption.in(lang);
        out.append({name + u' ' + field, left ? frequencyText(*left) : kNone,
                    right ? frequencyText(*right) : kNone, field});
        return;
    }
    for (const ChannelFieldInfo& row : channelFields()) {
        if (!radioHolds(row) || sameValue(*left, *right, row))
            continue;
        // A frequency's text keeps every stored digit: the same text is the same frequency.
        const QString field = row.caption.in(lang);
        const QString where = name + u' ' + field;
        if (row.text)
            add(out, where, valueText(*left, row, lang), valueText(*right, row, lang), field);
        else
            addShown(out, where, valueText(*left, row, lang), valueText(*right, row, lang),
                     number(left->*row.number), number(right->*row.number), field);
    }
}

void compareChannels(Differences& out, const MemoryImage& a, const ChTable& ta,
                     const MemoryImage& b, const ChTable& tb, Language lang) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int group = 1; group <= kGroupCount; ++group) {
            const ChannelIndex left = channelIndex(a, ta, mode, group);
            const ChannelIndex right = channelIndex(b, tb, mode, group);
            // Channel numbers in ascending order, so the list reads like the channel window.
            for (int chNo = 1; chNo <= kSlotCount; ++chNo) {
                const ChannelRec* l = left[std::size_t(chNo)];
                const ChannelRec* r = right[std::size_t(chNo)];
                if ((!l && !r) || RadioLayout::slotSharedWithDtmf(mode, group, chNo) ||
                    (l && r && *l == *r))
                    continue;
                compareChannel(out, l, r, channelLabel(mode, group, chNo), lang);
            }
        }
    }
}

// The caption the options window gives a value, else its name in the data file.
QString optionLabel(OptionId id, Language lang) {
    for (const OptionFrame& frame : optionWindowFrames())
        for (const CaptionedOption& option : frame.options)
            if (option.id == id)
                return optionCaption(option, lang);
    return QString::fromLatin1(optionInfo(id).name);
}

// The work mode the radio starts in, which the record keeps beside the option values.
void compareWorkMode(Differences& out, const MemoryImage& a, const MemoryImage& b, Language lang) {
    const QStringList modes = optionList(OptionList::WorkMode, a, lang);
    // Any stored mode other than CB reads as HF, here as in the windows.
    if ((a.workMode == 0) != (b.workMode == 0)) {
        const QString label = LocalText{"Work mode", "工作模式"}.in(lang);
        addShown(out, label, modes.value(a.workMode == 0 ? 0 : 1),
                 modes.value(b.workMode == 0 ? 0 : 1), number(a.workMode), number(b.workMode),
                 label);
    }
}

void compareOptions(Differences& out, const MemoryImage& a, const MemoryImage& b, Language lang) {
    compareWorkMode(out, a, b, lang);
    for (const OptionInfo& option : allOptions()) {
        const int l = option.access(a).get();
        const int r = option.access(b).get();
        if (option.radio.coding == RadioCoding::None || l == r)
            continue;
        const QString label = optionLabel(option.id, lang);
        addShown(out, label, optionText(a, option.id, lang), optionText(b, option.id, lang),
                 number(l), number(r), label);
    }
    for (const GroupField& field : groupFields())
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                if (const int l = field.at(a, mode, group), r = field.at(b, mode, group); l != r)
                    addField(out, groupLabel(mode, group), QString::fromLatin1(field.name),
                             number(l), number(r));
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            if (a.optFeat.groupName(mode, group) != b.optFeat.groupName(mode, group))
                addField(out, groupLabel(mode, group), LocalText{"Name", "名称"}.in(lang),
                         typed(a.optFeat.groupName(mode, group)),
                         typed(b.optFeat.groupName(mode, group)));
    for (std::size_t k = 0; k < a.extTable.size(); ++k)
        if (a.extTable[k] != b.extTable[k])
            add(out, QStringLiteral("RSSI ") + number(int(k) + 1), number(a.extTable[k]),
                number(b.extTable[k]));
}

void compareDtmf(Differences& out, const MemoryImage& a, const MemoryImage& b) {
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        if (a.optFeat.dtmf(n) != b.optFeat.dtmf(n))
            add(out, QStringLiteral("DTMF ") + number(n), typed(a.optFeat.dtmf(n)),
                typed(b.optFeat.dtmf(n)));
}

QString hertz(int freqCode) {
    return freqCode == 0 ? number(0) : number(freqCode * 10) + QStringLiteral(" Hz");
}

void compareRogerBeep(Differences& out, const MemoryImage& a, const MemoryImage& b, Language lang) {
    for (int t = 1; t <= kToneSeqCount; ++t) {
        const ToneSeq& left = a.rbTone.tone(t);
        const ToneSeq& right = b.rbTone.tone(t);
        if (left == right)
            continue;
        const QString tone = LocalText{"RB Tone %1", "RB音 %1"}.in(lang).arg(t);
        for (int s = 0; s < kToneStepCount; ++s) {
            const ToneStep& l = left.steps[std::size_t(s)];
            const ToneStep& r = right.steps[std::size_t(s)];
            if (l == r)
                continue;
            const QString step = tone + LocalText{" step %1", " 第%1步"}.in(lang).arg(s + 1);
            add(out, step, hertz(l.freqCode), hertz(r.freqCode));
            addField(out, step, LocalText{"length", "时长"}.in(lang), number(l.durCode),
                     number(r.durCode));
        }
        addField(out, tone, LocalText{"repeat", "重复"}.in(lang), number(left.repeatCount),
                 number(right.repeatCount));
        addField(out, tone, LocalText{"interval", "间隔"}.in(lang), number(left.interTime),
                 number(right.interTime));
    }
}

} // namespace

QList<FieldDifference> documentDifferences(const MemoryImage& left, const ChTable& leftTable,
                                           const MemoryImage& right, const ChTable& rightTable,
                                           Language lang) {
    Differences out;
    compareChannels(out, left, leftTable, right, rightTable, lang);
    compareOptions(out, left, right, lang);
    compareDtmf(out, left, right);
    compareRogerBeep(out, left, right, lang);
    return out;
}

} // namespace r5k27
