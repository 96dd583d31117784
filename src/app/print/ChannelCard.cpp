#include "ChannelCard.h"

#include "CardPainter.h"
#include "PrintTexts.h"
#include "channels/BandLimits.h"
#include "channels/ChannelFields.h"
#include "channels/ChannelNames.h"
#include "channels/ChannelTable.h"
#include "channels/FrequencyCodec.h"
#include "channels/ModeCodec.h"
#include "channels/ToneCodec.h"
#include "common/AppSettings.h"
#include "image/Document.h"
#include "options/OptionCaptions.h"
#include "options/OptionText.h"
#include "signalling/DtmfReferences.h"

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
    CardWriter(const Document& doc, const AppSettings& settings, int lang, const QDate& date)
        : doc_(doc)
        , settings_(settings)
        , lang_(lang)
        , date_(date) {}

    QList<CardPage> pages() {
        for (int mode = 0; mode < kModeCount; ++mode) {
            for (int group = 1; group <= kGroupCount; ++group)
                if (doc_.curImage.optFeat.groupValid(mode, group) == 1)
                    groupPage(mode, group, false);
            groupPage(mode, 1, true);
        }
        optionsPage();
        return pages_;
    }

private:
    QString t(const BiText& text) const { return text.in(lang_); }

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

    void groupPage(int mode, int group, bool memory) {
        std::vector<const ChannelRec*> channels;
        const int used = usedSlots(doc_.curImage, mode, group);
        for (int slot = 1; slot <= used; ++slot) {
            const ChannelRec& rec = doc_.chTable.at(mode, slot, group);
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
        for (const BiText* head : {&PrintTexts::channel, &PrintTexts::frequency, &PrintTexts::mode,
                                   &PrintTexts::tone, &PrintTexts::scan, &PrintTexts::switchesOn})
            table.columns << t(*head);
        const QStringList tones = shortToneList(lang_);
        for (const ChannelRec* rec : channels)
            table.rows << QStringList{
                getChName(rec->chNo),
                storedToExactMhz(rec->rxFreq.clean()),
                modeTextFromCode(rec->mode),
                tones.value(rec->decodeTone, tones.first()),
                t(rec->scanAdd == 0 ? PrintTexts::scanDel : PrintTexts::scanAdd),
                switchesOn(*rec)};
        pages_ << CardPage{header(mode), {table}};
    }

    void optionsPage() {
        const MemoryImage& image = doc_.curImage;
        // The options as the options window shows them, under its captions and frames.
        QList<CardSection> sections;
        for (const OptionFrame& frame : optionWindowFrames()) {
            CardSection section{t(frame.caption ? *frame.caption : PrintTexts::options), {}, {}};
            for (const CaptionedOption& option : frame.options)
                section.rows << QStringList{optionCaption(option, lang_),
                                            optionText(image, option.id, lang_)};
            sections << section;
        }
        CardSection codes{t(PrintTexts::dtmfCodes), {}, {}};
        for (int n = 1; n <= kDtmfCodeCount; ++n)
            if (const QString code = dtmfCodeText(image, n); !code.isEmpty())
                codes.rows << QStringList{QString::number(n), code};
        if (codes.rows.isEmpty())
            codes.rows << QStringList{t(PrintTexts::none)};
        sections << codes;
        pages_ << CardPage{header(image.workMode), sections};
    }

    const Document& doc_;
    const AppSettings& settings_;
    int lang_;
    QDate date_;
    QList<CardPage> pages_;
};

} // namespace

QList<CardPage> channelCardPages(const Document& doc, const AppSettings& settings, int lang,
                                 const QDate& date) {
    return CardWriter(doc, settings, lang, date).pages();
}

void printChannelCard(const QList<CardPage>& pages, int lang, QPagedPaintDevice& device) {
    CardPainter(pages, PrintTexts::pageOf.in(lang)).paint(device);
}

QByteArray channelCardPdf(const QList<CardPage>& pages, int lang, const QPageSize& pageSize) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(PrintTexts::title.in(kLangEnglish));
        printChannelCard(pages, lang, writer);
    }
    return buffer.data();
}

} // namespace r5k27
