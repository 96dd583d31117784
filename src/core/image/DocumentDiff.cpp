#include "DocumentDiff.h"

#include "channels/ChannelNames.h"
#include "channels/ChannelTable.h"
#include "channels/FrequencyCodec.h"
#include "channels/ModeCodec.h"
#include "link/RadioLayout.h"
#include "options/GroupFields.h"
#include "options/OptionCaptions.h"
#include "options/OptionText.h"
#include "options/OptionValues.h"

#include <array>
#include <functional>

namespace r5k27 {
namespace {

const QString kNone = QStringLiteral("-");

using Differences = QList<FieldDifference>;

// An empty text (a code or name not set) shows as "-", so the line still reads.
void compare(Differences& out, const QString& where, const QString& left, const QString& right) {
    if (left != right)
        out.append({where, left.isEmpty() ? kNone : left, right.isEmpty() ? kNone : right});
}

QString number(int value) {
    return QString::number(value);
}

// The channel values the radio holds (not the encode tone or the flag, which a read sets), until
// the channel field table can be walked instead.
struct ChannelField {
    BiText caption;
    std::function<QString(const ChannelRec&)> text;
};

template <std::int16_t ChannelRec::*Member> ChannelField numeric(BiText caption) {
    return {caption, [](const ChannelRec& rec) { return number(rec.*Member); }};
}

const std::array<ChannelField, 15>& channelFields() {
    static const std::array<ChannelField, 15> fields{{
        {{"Frequency", "频率"},
         [](const ChannelRec& rec) { return storedToExactMhz(cutAtNulTrimmed(rec.rxFreq.raw())); }},
        {{"Mode", "模式"}, [](const ChannelRec& rec) { return modeTextFromCode(rec.mode); }},
        numeric<&ChannelRec::decodeTone>({"TSQ", "TSQ"}),
        numeric<&ChannelRec::hiCut>({"HI-CUT", "HI-CUT"}),
        numeric<&ChannelRec::nbAnl>({"NB/ANL", "NB/ANL"}),
        numeric<&ChannelRec::echo>({"ECHO", "ECHO"}),
        numeric<&ChannelRec::add10K>({"+10KHz", "+10KHz"}),
        numeric<&ChannelRec::busyLock>({"BUSY", "BUSY"}),
        numeric<&ChannelRec::repShift>({"REP", "REP"}),
        numeric<&ChannelRec::publicCh>({"Public", "公共信道"}),
        numeric<&ChannelRec::scanAdd>({"Scan", "扫描"}),
        numeric<&ChannelRec::rogerTone>({"Roger", "RB音"}),
        numeric<&ChannelRec::botCode>({"BOT", "BOT"}),
        numeric<&ChannelRec::eotCode>({"EOT", "EOT"}),
        numeric<&ChannelRec::callCode>({"Call", "CALL"}),
    }};
    return fields;
}

QString modePrefix(int mode) {
    return mode == 0 ? QString() : QStringLiteral("HF ");
}

const ChannelRec* findByNumber(const MemoryImage& image, const ChTable& table, int mode, int group,
                               int chNo) {
    const int used = usedSlots(image, mode, group);
    for (int slot = 1; slot <= used; ++slot)
        if (table.at(mode, slot, group).chNo == chNo)
            return &table.at(mode, slot, group);
    return nullptr;
}

void compareChannels(Differences& out, const MemoryImage& a, const ChTable& ta,
                     const MemoryImage& b, const ChTable& tb, int lang) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int group = 1; group <= kGroupCount; ++group) {
            // Channel numbers in ascending order, so the list reads like the channel window.
            for (int chNo = 1; chNo <= kSlotCount; ++chNo) {
                if (RadioLayout::slotSharedWithDtmf(mode, group, chNo))
                    continue;
                const ChannelRec* left = findByNumber(a, ta, mode, group, chNo);
                const ChannelRec* right = findByNumber(b, tb, mode, group, chNo);
                if (!left && !right)
                    continue;
                // "A12", and "A M1" so a memory channel does not run into its group letter.
                const QString name = modePrefix(mode) + groupTextFromNumber(group) +
                                     (chNo > kOrdinaryChannels ? QStringLiteral(" ") : QString()) +
                                     getChName(chNo, group);
                const auto& fields = channelFields();
                if (!left || !right) {
                    const auto freq = [&](const ChannelRec* rec) {
                        return rec ? fields[0].text(*rec) : kNone;
                    };
                    out.append({name, freq(left), freq(right)});
                    continue;
                }
                for (const ChannelField& field : fields)
                    compare(out, name + u' ' + field.caption.in(lang), field.text(*left),
                            field.text(*right));
            }
        }
    }
}

// The caption the options window gives a value, else its name in the data file.
QString optionLabel(OptionId id, int lang) {
    for (const OptionFrame& frame : optionWindowFrames())
        for (const CaptionedOption& option : frame.options)
            if (option.id == id)
                return optionCaption(option, lang);
    return QString::fromLatin1(optionInfo(id).name);
}

void compareOptions(Differences& out, const MemoryImage& a, const MemoryImage& b, int lang) {
    // The accessors only find the members; nothing is written through them here.
    auto& left = const_cast<MemoryImage&>(a);
    auto& right = const_cast<MemoryImage&>(b);
    for (const OptionInfo& option : allOptions()) {
        if (option.radio.coding == RadioCoding::None ||
            option.access(left).get() == option.access(right).get())
            continue;
        out.append({optionLabel(option.id, lang), optionText(a, option.id, lang),
                    optionText(b, option.id, lang)});
    }
    for (const GroupField& field : groupFields())
        for (int mode = 0; mode < kModeCount; ++mode)
            for (int group = 1; group <= kGroupCount; ++group)
                compare(out,
                        modePrefix(mode) + groupTextFromNumber(group) + u' ' +
                            QString::fromLatin1(field.name),
                        number(field.at(left, mode, group)), number(field.at(right, mode, group)));
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            compare(out,
                    modePrefix(mode) + groupTextFromNumber(group) + u' ' +
                        BiText{"Name", "名称"}.in(lang),
                    cutAtNulTrimmed(a.optFeat.groupName(mode, group).raw()),
                    cutAtNulTrimmed(b.optFeat.groupName(mode, group).raw()));
    for (int k = 0; k < int(a.extTable.size()); ++k)
        compare(out, QStringLiteral("RSSI ") + number(k + 1), number(a.extTable[std::size_t(k)]),
                number(b.extTable[std::size_t(k)]));
}

void compareDtmf(Differences& out, const MemoryImage& a, const MemoryImage& b) {
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        compare(out, QStringLiteral("DTMF ") + number(n), cutAtNulTrimmed(a.optFeat.dtmf(n).raw()),
                cutAtNulTrimmed(b.optFeat.dtmf(n).raw()));
}

QString hertz(int freqCode) {
    return freqCode == 0 ? number(0) : number(freqCode * 10) + QStringLiteral(" Hz");
}

void compareRogerBeep(Differences& out, const MemoryImage& a, const MemoryImage& b, int lang) {
    for (int t = 1; t <= kToneSeqCount; ++t) {
        const ToneSeq& left = a.rbTone.tone(t);
        const ToneSeq& right = b.rbTone.tone(t);
        const QString tone = QStringLiteral("RB Tone ") + number(t);
        for (int s = 0; s < kToneStepCount; ++s) {
            const QString step = tone + QStringLiteral(" step ") + number(s + 1);
            const ToneStep& l = left.steps[std::size_t(s)];
            const ToneStep& r = right.steps[std::size_t(s)];
            compare(out, step, hertz(l.freqCode), hertz(r.freqCode));
            compare(out, step + u' ' + BiText{"length", "时长"}.in(lang), number(l.durCode),
                    number(r.durCode));
        }
        compare(out, tone + u' ' + BiText{"repeat", "重复"}.in(lang), number(left.repeatCount),
                number(right.repeatCount));
        compare(out, tone + u' ' + BiText{"interval", "间隔"}.in(lang), number(left.interTime),
                number(right.interTime));
    }
}

} // namespace

QList<FieldDifference> documentDifferences(const MemoryImage& left, const ChTable& leftTable,
                                           const MemoryImage& right, const ChTable& rightTable,
                                           int lang) {
    Differences out;
    compareChannels(out, left, leftTable, right, rightTable, lang);
    compareOptions(out, left, right, lang);
    compareDtmf(out, left, right);
    compareRogerBeep(out, left, right, lang);
    return out;
}

} // namespace r5k27
