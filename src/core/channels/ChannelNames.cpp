#include "ChannelNames.h"

#include "ChannelRec.h"
#include "core/common/NumericText.h"
#include "core/image/FixedText.h"

#include <cmath>
#include <limits>

namespace r5k27 {
namespace {

const QString kMemText = QStringLiteral("MEM");

std::optional<long long> wholeNumber(const QString& text) {
    const auto value = parseNumber(text);
    // Far beyond any channel number; also keeps the rounding and the "+ 40" of memory channels
    // defined.
    if (!value || std::abs(*value) > 1e9)
        return std::nullopt;
    return roundHalfEven(*value);
}

std::int16_t toChannelId(std::optional<long long> value) {
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max())
        return 0;
    return std::int16_t(*value);
}

} // namespace

QString getChName(int chId, int /*group*/) {
    if (chId > kOrdinaryChannels)
        return u'M' + QString::number(chId - kOrdinaryChannels);
    return QString::number(chId);
}

std::int16_t getChId(const QString& chName) {
    const QString name = cleanFixedText(chName).trimmed();
    if (name.startsWith(u'M')) {
        const auto number = wholeNumber(name.mid(1));
        return number ? toChannelId(*number + kOrdinaryChannels) : 0;
    }
    return toChannelId(wholeNumber(name));
}

int groupNumberFromText(const QString& text) {
    if (text == kMemText)
        return kMemGroup;
    if (text.size() == 1 && text[0] >= u'A' && text[0] <= u'J')
        return text[0].unicode() - u'A' + 1;
    return 0;
}

QString groupTextFromNumber(int group) {
    if (group == kMemGroup)
        return kMemText;
    if (group >= 2 && group <= kGroupCount)
        return QChar(u'A' + group - 1);
    return QStringLiteral("A");
}

QString channelLabel(int mode, int group, int chNo) {
    return (mode == 0 ? QString() : QStringLiteral("HF ")) + groupTextFromNumber(group) +
           (chNo > kOrdinaryChannels ? QStringLiteral(" ") : QString()) + getChName(chNo, group);
}

} // namespace r5k27
