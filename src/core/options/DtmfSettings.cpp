#include "DtmfSettings.h"

#include "OptionValues.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

constexpr int kMaxCodeLength = 16;
constexpr int kDCodeEntries = 16;

struct TimingInfo {
    LocalText caption;
    OptionId id;
    // Milliseconds per stored unit; 0 for the D key, stored as its list position.
    int unitMs;
};

const TimingInfo& info(DtmfTiming timing) {
    static const TimingInfo kInfos[] = {
        {{"DTMF Send Time[ms]", "DTMF 发送时间[毫秒]"}, OptionId::DtmfSendTime, 10},
        {{"First Digit Time[ms]", "首位数码时间[毫秒]"}, OptionId::FirstDigitTime, 100},
        {{"First Digit Delay[ms]", "首位数码延迟[毫秒]"}, OptionId::FirstDigitDelay, 100},
        {{"* and # Tone[ms]", "*和#音[毫秒]"}, OptionId::StarHashTime, 100},
        {{"D Code Assignment", "D键设定"}, OptionId::DCodeAssign, 0},
    };
    return kInfos[static_cast<std::size_t>(timing)];
}

QStringList millisecondList(int fromMs, int toMs, int stepMs) {
    QStringList list;
    for (int ms = fromMs; ms <= toMs; ms += stepMs)
        list << QString::number(ms);
    return list;
}

} // namespace

LocalText dtmfTimingCaption(DtmfTiming timing) {
    return info(timing).caption;
}

QStringList dtmfTimingList(DtmfTiming timing, Language lang) {
    switch (timing) {
    case DtmfTiming::SendTime:
        return millisecondList(10, 500, 10);
    case DtmfTiming::FirstDigitTime:
        return millisecondList(0, 1000, 100);
    case DtmfTiming::FirstDigitDelay:
        return millisecondList(100, 2500, 100);
    case DtmfTiming::StarHashTime:
        return {QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("500"),
                QStringLiteral("1000")};
    case DtmfTiming::DCodeAssign:
        break;
    }
    const bool chinese = lang == Language::Chinese;
    QStringList list{LocalText{"D Code", "D 码"}.in(lang)};
    for (int seconds = 1; seconds <= kDCodeEntries; ++seconds)
        list << QString::number(seconds) +
                    (chinese ? QString::fromUtf8("秒") : QStringLiteral("s"));
    return list;
}

int dtmfTimingIndex(const MemoryImage& image, DtmfTiming timing, Language lang) {
    const TimingInfo& i = info(timing);
    const int value = optionValue(image, i.id);
    const QStringList list = dtmfTimingList(timing, lang);
    if (i.unitMs == 0)
        return value >= 0 && value < list.size() ? value : -1;
    return int(list.indexOf(QString::number(value * i.unitMs)));
}

QString dtmfTimingStoredText(const MemoryImage& image, DtmfTiming timing) {
    const TimingInfo& i = info(timing);
    const int value = optionValue(image, i.id);
    return QString::number(i.unitMs == 0 ? value : value * i.unitMs);
}

void setDtmfTimingIndex(MemoryImage& image, DtmfTiming timing, int index, Language lang) {
    const TimingInfo& i = info(timing);
    const QStringList list = dtmfTimingList(timing, lang);
    if (index < 0 || index >= list.size())
        return;
    setOptionValue(image, i.id, i.unitMs == 0 ? index : list[index].toInt() / i.unitMs);
}

bool dtmfDisplayOn(const MemoryImage& image) {
    return optionValue(image, OptionId::DtmfDisplay) == 1;
}

void setDtmfDisplayOn(MemoryImage& image, bool on) {
    setOptionValue(image, OptionId::DtmfDisplay, on ? 1 : 0);
}

bool isDtmfCodeCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'D') || c == u'*' || c == u'#';
}

QString dtmfCodeFromTyped(const QString& typed) {
    QString code;
    for (QChar c : typed) {
        if (c >= u'a' && c <= u'd')
            c = c.toUpper();
        if (isDtmfCodeCharacter(c) && code.size() < kMaxCodeLength)
            code += c;
    }
    return code;
}

} // namespace r5k27
