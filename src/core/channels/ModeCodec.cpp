#include "ModeCodec.h"

namespace r5k27 {

QStringList allModeTexts() {
    return {QStringLiteral("FM"), QStringLiteral("AM"), QStringLiteral("USB"),
            QStringLiteral("LSB"), QStringLiteral("PA")};
}

std::int16_t modeCodeFromText(const QString& text) {
    const qsizetype code = allModeTexts().indexOf(text);
    return std::int16_t(code < 0 ? 0 : code);
}

QString modeTextFromCode(int code) {
    const QStringList texts = allModeTexts();
    return code >= 1 && code < kOperatingModeCount ? texts.at(code) : texts.at(0);
}

std::int16_t normalizeMode(int code, const ModeSwitches& switches) {
    if (code >= 0 && code < kOperatingModeCount && switches[std::size_t(code)] > 0)
        return std::int16_t(code);
    for (int m = 0; m < kOperatingModeCount; ++m)
        if (switches[std::size_t(m)] > 0)
            return std::int16_t(m);
    return 0;
}

QStringList fillModeList(const ModeSwitches& switches, bool excludePA) {
    const QStringList texts = allModeTexts();
    QStringList list;
    for (int m = 0; m < kOperatingModeCount; ++m) {
        if (switches[std::size_t(m)] > 0 && !(m == kModePA && excludePA))
            list << texts.at(m);
    }
    return list;
}

} // namespace r5k27
