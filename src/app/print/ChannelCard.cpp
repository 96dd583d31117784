#include "ChannelCard.h"

#include "CardPainter.h"
#include "core/channels/BandLimits.h"
#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/FrequencyCodec.h"
#include "core/channels/ListHelpers.h"
#include "core/channels/ToneCodec.h"
#include "core/common/AppSettings.h"
#include "core/document/Document.h"
#include "core/lang/OptionWindowCaptions.h"
#include "core/options/DtmfSettings.h"
#include "core/options/OptionCaptions.h"
#include "core/options/OptionText.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/TonePlayback.h"
#include "dtmf/DtmfWindowCaptions.h"
#include "print/PrintTexts.h"
#include "rogerbeep/RogerBeepCaptions.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

namespace r5k27 {
namespace {

constexpr int kMemRows = 6;

class CardWriter {
public:
    CardWriter(const Document& doc, const AppSettings& settings, Language lang, const QDate& date)
        : doc_(doc)
        , settings_(settings)
        , lang_(lang)
        , date_(date) {}

    QList<CardPage> pages() {
        // A page per work mode holds all its groups; the painter puts as many on a sheet as
        // fit whole, so small groups share one.
        for (int mode = 0; mode < kModeCount; ++mode) {
            CardPage page{header(mode), {}};
            for (int group = 1; group <= kGroupCount; ++group)
                if (doc_.curImage.optFeat.groupValid(mode, group) == 1)
                    groupTable(page, mode, group, false);
            groupTable(page, mode, 1, true);
            if (!page.sections.isEmpty())
                pages_ << page;
        }
        optionsPage();
        return pages_;
    }

private:
    QString t(const LocalText& text) const { return text.in(lang_); }

    QString header(int mode) const {
        return QStringLiteral("%1   %2 [%3]   %4: %5   %6: %7")
            .arg(t(PrintTexts::title), settings_.modelName, bandTextOfWorkMode(mode),
                 t(PrintTexts::file), QFileInfo(doc_.docPath).fileName(), t(PrintTexts::date),
                 date_.toString(Qt::ISODate));
    }

    // The switches that are on and the references that are set, in record order.
    QString switchesOn(const ChannelRec& rec) const {
        QStringList on;
        for (const ChannelFieldInfo& f : channelFields()) {
            const int v = f.number ? rec.*f.number : 0;
            const QString caption = t(f.caption);
            if (f.choice == ChannelChoice::Switch && v == 1)
                on << caption;
            else if (f.choice == ChannelChoice::RepShift && (v == 1 || v == 2))
                on << caption + (v == 1 ? u'+' : u'-');
            else if ((f.choice == ChannelChoice::RogerRef || f.choice == ChannelChoice::DtmfRef) &&
                     v > 0)
                on << QStringLiteral("%1 %2").arg(caption).arg(v);
        }
        return on.join(u' ');
    }

    void groupTable(CardPage& page, int mode, int group, bool memory) {
        std::vector<const ChannelRec*> channels;
        const int used = usedSlots(doc_.curImage, mode, group);
        for (int slot = 1; slot <= used; ++slot) {
            const ChannelRec& rec = doc_.chTable.at({mode, group, slot});
            const bool isMemory =
                rec.chNo > kOrdinaryChannels && rec.chNo <= kOrdinaryChannels + kMemRows;
            const bool ordinary = rec.chNo >= 1 && rec.chNo <= kOrdinaryChannels;
            if (memory ? isMemory : ordinary)
                channels.push_back(&rec);
        }
        if (channels.empty())
            return;
        std::sort(channels.begin(), channels.end(),
                  [](const ChannelRec* a, const ChannelRec* b) { return a->chNo < b->chNo; });

        const QString name = doc_.curImage.optFeat.groupName(mode, group).clean();
        CardSection table;
        table.heading = memory ? t(PrintTexts::memChannels)
                               : t(PrintTexts::group).arg(groupTextFromNumber(group)) +
                                     (name.isEmpty() ? QString() : QStringLiteral(" - ") + name);
        for (const LocalText* head :
             {&PrintTexts::channel, &PrintTexts::frequency, &PrintTexts::mode, &PrintTexts::tone,
              &PrintTexts::scan, &PrintTexts::switchesOn})
            table.columns << t(*head);
        const QStringList tones = shortToneList(lang_);
        for (const ChannelRec* rec : channels)
            table.rows << QStringList{getChName(rec->chNo),
                                      storedToExactMhz(rec->rxFreq.clean()),
                                      channelValueText(*rec, ChannelField::Mode, lang_),
                                      toneText(tones, rec->decodeTone),
                                      channelValueText(*rec, ChannelField::ScanAdd, lang_),
                                      switchesOn(*rec)};
        page.sections << table;
    }

    // A CTCSS tone is a frequency and says so; a DCS code is a code, and Off is neither.
    static QString toneText(const QStringList& tones, int index) {
        // A value without an entry prints as itself, as every window shows it.
        const QString text = tones.value(index, QString::number(index));
        return index >= 1 && index <= kCtcssCount ? text + QStringLiteral(" Hz") : text;
    }

    // A value whose caption names no unit gets it after the number.
    QString optionValueText(OptionId id) const {
        const QString text = optionText(doc_.curImage, id, lang_);
        return optionInfo(id).form == OptionForm::TxOffset
                   ? text + u' ' + t(OptionWindowText::megahertz)
                   : text;
    }

    // Caption and value pairs two to a row, so the options page stays one sheet.
    static QList<QStringList> pairedRows(const QList<QStringList>& pairs) {
        QList<QStringList> rows;
        for (qsizetype i = 0; i < pairs.size(); i += 2)
            rows << (i + 1 < pairs.size() ? pairs[i] + pairs[i + 1] : pairs[i]);
        return rows;
    }

    void optionsPage() {
        const MemoryImage& image = doc_.curImage;
        // The options as the options window shows them, under its captions and frames.
        QList<CardSection> sections;
        for (const OptionFrame& frame : optionWindowFrames()) {
            QList<QStringList> pairs;
            for (const CaptionedOption& option : frame.options)
                pairs << QStringList{optionCaption(option, lang_), optionValueText(option.id)};
            sections << CardSection{
                t(frame.caption ? *frame.caption : PrintTexts::options), {}, pairedRows(pairs)};
        }
        sections << rssiSection() << dtmfTimingSection();
        CardSection codes{t(PrintTexts::dtmfCodes), {}, {}};
        for (int n = 1; n <= kDtmfCodeCount; ++n)
            if (const QString code = dtmfCodeText(image, n); !code.isEmpty())
                codes.rows << QStringList{QString::number(n), code};
        if (codes.rows.isEmpty())
            codes.rows << QStringList{t(PrintTexts::none)};
        sections << codes << rogerBeepSection();
        pages_ << CardPage{header(image.workMode), sections};
    }

    CardSection rssiSection() const {
        CardSection section{t(PrintTexts::rssi), {QString()}, {}};
        for (const char* point : OptionWindowText::rssiPoints)
            section.columns << QStringLiteral("S") + QLatin1String(point);
        for (const auto& [caption, first] :
             {std::pair{&OptionWindowText::fmAmRssi, 0}, {&OptionWindowText::usbLsbRssi, 6}}) {
            QStringList row{t(*caption)};
            for (int k = 0; k < 6; ++k)
                row << rssiPointText(doc_.curImage, first + k);
            section.rows << row;
        }
        return section;
    }

    CardSection dtmfTimingSection() const {
        const MemoryImage& image = doc_.curImage;
        QList<QStringList> pairs;
        for (const DtmfTiming timing : kDtmfTimings)
            pairs << QStringList{
                t(dtmfTimingCaption(timing)),
                listTextAt(dtmfTimingList(timing, lang_), dtmfTimingIndex(image, timing, lang_))};
        pairs << QStringList{
            t(kDtmfDisplayCaption),
            t(dtmfDisplayOn(image) ? PrintTexts::switchesOn : PrintTexts::switchOff)};
        return {t(DtmfWindowCaptions::window), {}, pairedRows(pairs)};
    }

    // One row per sequence: repeat, pause, and the steps that sound as frequency/length.
    CardSection rogerBeepSection() const {
        namespace C = RogerBeepCaptions;
        CardSection section{t(C::window),
                            {QString(), t(C::repeatCount), t(C::interTime), t(PrintTexts::steps)},
                            {}};
        const QStringList frequencies = fullFrequencyList(lang_);
        const QStringList lengths = stepLengthList();
        for (int tone = 1; tone <= kToneSeqCount; ++tone) {
            const ToneSeq& seq = doc_.curImage.rbTone.tone(tone);
            QStringList steps;
            for (const ToneStep& step : seq.steps)
                if (step.durCode > 0)
                    steps << listTextAt(frequencies, step.freqCode) + u'/' +
                                 listTextAt(lengths, step.durCode);
            section.rows << QStringList{
                QString::number(tone), listTextAt(repeatCountList(lang_), seq.repeatCount),
                listTextAt(interTimeList(), seq.interTime), steps.join(u' ')};
        }
        return section;
    }

    const Document& doc_;
    const AppSettings& settings_;
    Language lang_;
    QDate date_;
    QList<CardPage> pages_;
};

} // namespace

QList<CardPage> channelCardPages(const Document& doc, const AppSettings& settings, Language lang,
                                 const QDate& date) {
    return CardWriter(doc, settings, lang, date).pages();
}

int printChannelCard(const QList<CardPage>& pages, Language lang, QPagedPaintDevice& device) {
    return CardPainter(pages, PrintTexts::pageOf.in(lang)).paint(device);
}

QByteArray channelCardPdf(const QList<CardPage>& pages, Language lang, const QPageSize& pageSize,
                          int* sheets) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(PrintTexts::title.in(Language::English));
        const int drawn = printChannelCard(pages, lang, writer);
        if (sheets)
            *sheets = drawn;
    }
    return buffer.data();
}

} // namespace r5k27
