#include "OptionRange.h"

#include "core/image/MemoryImage.h"
#include "core/lang/Language.h"

namespace r5k27 {
namespace {

constexpr LocalText kTo{"%1 to %2", "%1 至 %2"};
constexpr LocalText kOffOr{"%1 or %2 to %3", "%1 或 %2 至 %3"};
constexpr LocalText kSwitch{"on or off", "开或关"};
constexpr LocalText kEnabledModes{"%1 (the enabled ones)", "%1（已开启的）"};
constexpr qsizetype kLongList = 8;

QString fixed(int value, int divisor, int decimals) {
    return QString::number(double(value) / divisor, 'f', decimals);
}

QString listRange(const QStringList& entries, Language lang) {
    if (entries.size() < kLongList)
        return entries.join(QStringLiteral(", "));
    // A long list of numbers reads best as its ends; one that starts with an off word as that
    // word and the ends of the numbers.
    bool numeric = false;
    entries.first().toInt(&numeric);
    if (numeric)
        return kTo.in(lang).arg(entries.first(), entries.last());
    return entries.first() + QStringLiteral(", ") + kTo.in(lang).arg(entries[1], entries.last());
}

} // namespace

QString optionRangeText(const OptionInfo& info, Language lang) {
    // Lists that follow other data are stated for a new document: every mode enabled.
    MemoryImage newDocument;
    applyNewDocumentOptions(newDocument);
    const QStringList entries = optionList(info.list, newDocument, lang);
    switch (info.form) {
    case OptionForm::ListPosition:
    case OptionForm::TotSteps:
    case OptionForm::EntryNumber:
        return listRange(entries, lang);
    case OptionForm::Reference:
        return kOffOr.in(lang).arg(entries.value(0), QString::number(info.minValue + 1),
                                   QString::number(info.maxValue));
    case OptionForm::PubMode:
        return kEnabledModes.in(lang).arg(entries.join(QStringLiteral(", ")));
    case OptionForm::Switch:
        return kSwitch.in(lang);
    case OptionForm::Tenths:
        return kTo.in(lang).arg(fixed(info.minValue, 10, 1), fixed(info.maxValue, 10, 1));
    case OptionForm::TxOffset:
        return kTo.in(lang).arg(fixed(info.minValue, 10000, 4), fixed(info.maxValue, 10000, 4));
    case OptionForm::Stored:
        break;
    }
    return kTo.in(lang).arg(QString::number(info.minValue), QString::number(info.maxValue));
}

} // namespace r5k27
