#include "OptionText.h"

#include "core/channels/ListHelpers.h"
#include "core/channels/ModeCodec.h"
#include "core/common/NumericText.h"
#include "core/image/MemoryImage.h"

#include <algorithm>

namespace r5k27 {
namespace {

constexpr int kRssiPoints = 12;
constexpr int kRssiHalf = 6;
constexpr int kRssiMax = 35;

QString oneDecimal(double value) {
    return QString::number(value, 'f', 1);
}
QString fourDecimals(double value) {
    return QString::number(value, 'f', 4);
}

int roundedTimes(const QString& text, double factor) {
    return int(roundHalfEven(parseNumber(text).value_or(0.0) * factor));
}

// A typed number limited to lo..hi and shown with the field's decimals; other text shows
// fallback.
QString limitedText(const QString& text, double lo, double hi, const QString& fallback,
                    QString (*format)(double)) {
    const auto value = parseNumber(text);
    return value ? format(std::clamp(*value, lo, hi)) : fallback;
}

QString enterSwrMax(MemoryImage& image, const QString& text) {
    const QString shown = limitedText(text, 1.2, 20.0, QStringLiteral("20.0"), oneDecimal);
    setOptionValue(image, OptionId::SwrMax, roundedTimes(shown, 10));
    return shown;
}

QString enterTxOffset(MemoryImage& image, const QString& text) {
    const QString shown = limitedText(text, 0.0001, 5.0, QStringLiteral("5.0000"), fourDecimals);
    setOptionValue(image, OptionId::ExtFreq, roundedTimes(shown, 10000));
    return shown;
}

// Receive/transmit trim in kHz, checked on every change of the field: only what is out of
// range or not a number is replaced, so the user can go on typing.
QString enterTrim(MemoryImage& image, OptionId id, const QString& text) {
    QString shown = text;
    const auto value = parseNumber(text);
    if (!value)
        shown = QStringLiteral("0");
    else if (*value > 100)
        shown = QStringLiteral("100.0");
    else if (*value < -100)
        shown = QStringLiteral("-100.0");
    setOptionValue(image, id, roundedTimes(shown, 10));
    return shown;
}

int listPosition(const QStringList& list, const QString& text) {
    return int(list.indexOf(text));
}

} // namespace

QStringList optionChoices(const MemoryImage& image, OptionId id, Language lang) {
    return optionList(optionInfo(id).list, image, lang);
}

bool optionTicked(const MemoryImage& image, OptionId id) {
    const int value = optionValue(image, id);
    if (value == 0 || value == 1)
        return value == 1;
    return optionInfo(id).switchDefaultOn;
}

QString optionText(const MemoryImage& image, OptionId id, Language lang) {
    const OptionInfo& info = optionInfo(id);
    const int value = optionValue(image, id);
    const QStringList list = optionChoices(image, id, lang);
    switch (info.form) {
    case OptionForm::ListPosition:
        return listTextAt(list, value);
    case OptionForm::TotSteps:
        return listTextAt(list, value / 3);
    case OptionForm::EntryNumber:
    case OptionForm::Reference:
        return listTextMatching(list, QString::number(value));
    case OptionForm::PubMode:
        return listTextMatching(list, listTextAt(allModeTexts(), value));
    case OptionForm::Switch:
        return listTextAt(optionList(OptionList::OffOn, image, lang), optionTicked(image, id));
    case OptionForm::Tenths:
        return oneDecimal(value / 10.0);
    case OptionForm::TxOffset:
        return fourDecimals(value / 10000.0);
    case OptionForm::Stored:
        break;
    }
    return QString::number(value);
}

QString setOptionFromText(MemoryImage& image, OptionId id, const QString& text, Language lang) {
    const OptionInfo& info = optionInfo(id);
    const QStringList list = optionChoices(image, id, lang);
    switch (info.form) {
    case OptionForm::ListPosition:
    case OptionForm::TotSteps:
        if (const int pos = listPosition(list, text); pos >= 0)
            setOptionValue(image, id, info.form == OptionForm::TotSteps ? 3 * pos : pos);
        break;
    case OptionForm::EntryNumber:
        if (list.contains(text))
            setOptionValue(image, id, int(parseInteger(text).value_or(info.newValue)));
        break;
    case OptionForm::Reference:
        // Only numbers the list offers; the OFF entry and anything else mean none.
        setOptionValue(image, id, list.contains(text) ? int(parseInteger(text).value_or(0)) : 0);
        break;
    case OptionForm::PubMode:
        if (const int pos = listPosition(allModeTexts(), text); pos >= 0)
            setOptionValue(image, id, pos);
        break;
    case OptionForm::Switch:
        break;
    case OptionForm::Tenths:
        switch (id) {
        case OptionId::SwrMax:
            return enterSwrMax(image, text);
        case OptionId::BattMin:
            return setBatteryFromTexts(image, text, optionText(image, OptionId::BattMax, lang))
                .lower;
        case OptionId::BattMax:
            return setBatteryFromTexts(image, optionText(image, OptionId::BattMin, lang), text)
                .upper;
        default:
            return enterTrim(image, id, text);
        }
    case OptionForm::TxOffset:
        return enterTxOffset(image, text);
    case OptionForm::Stored:
        if (const auto value = parseInteger(text);
            value && *value >= info.minValue && *value <= info.maxValue)
            setOptionValue(image, id, int(*value));
        break;
    }
    return optionText(image, id, lang);
}

void setOptionTicked(MemoryImage& image, OptionId id, bool ticked) {
    if (optionInfo(id).form == OptionForm::Switch)
        setOptionValue(image, id, ticked ? 1 : 0);
}

BatteryTexts setBatteryFromTexts(MemoryImage& image, const QString& lower, const QString& upper) {
    const QString fallback = QStringLiteral("9.0");
    BatteryTexts shown{limitedText(lower, 9.0, 17.0, fallback, oneDecimal),
                       limitedText(upper, 9.0, 17.0, fallback, oneDecimal)};
    if (parseNumber(shown.upper) < parseNumber(shown.lower))
        std::swap(shown.lower, shown.upper);
    setOptionValue(image, OptionId::BattMin, roundedTimes(shown.lower, 10));
    setOptionValue(image, OptionId::BattMax, roundedTimes(shown.upper, 10));
    return shown;
}

QString rssiPointText(const MemoryImage& image, int k) {
    if (k < 0 || k >= kRssiPoints)
        return {};
    return QString::number(image.extTable[std::size_t(k)] + 1);
}

QString setRssiPointFromText(MemoryImage& image, int k, const QString& text) {
    if (k < 0 || k >= kRssiPoints)
        return {};
    if (const auto typed = parseNumber(text)) {
        // Limited before rounding: a long run of digits is out of every integer's range.
        const int v = int(roundHalfEven(std::clamp(*typed - 1, 0.0, double(kRssiMax))));
        auto& table = image.extTable;
        const bool first = k % kRssiHalf == 0;
        const bool last = k % kRssiHalf == kRssiHalf - 1;
        const bool aboveLower = first || table[std::size_t(k - 1)] < v;
        const bool belowUpper = last || v < table[std::size_t(k + 1)];
        if (aboveLower && belowUpper)
            table[std::size_t(k)] = std::int16_t(v);
    }
    return rssiPointText(image, k);
}

} // namespace r5k27
