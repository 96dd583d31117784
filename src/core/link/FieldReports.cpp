#include "FieldReports.h"

#include "channels/ChannelRec.h"
#include "lang/Language.h"

namespace r5k27 {
namespace {

const LocalText kReplacedHeading{"Values the radio held outside their range were replaced:",
                              "电台中以下数值超出范围，已替换："};

QString channelName(int channel) {
    return channel > kOrdinaryChannels ? QStringLiteral("M%1").arg(channel - kOrdinaryChannels)
                                       : QString::number(channel);
}

// "HF group C, channel M2" / "HF 组 C 信道 M2"; empty for a value of no bank.
QString placeText(int mode, int group, int channel, Language lang) {
    static constexpr LocalText bank[] = {{"CB", "CB"}, {"HF", "HF"}};
    if (mode < 0)
        return {};
    QString where = bank[mode == 0 ? 0 : 1].in(lang);
    if (group > 0)
        where += (lang == Language::Chinese ? QStringLiteral(" 组 ") : QStringLiteral(" group ")) +
                 QChar(u'A' + group - 1);
    if (channel != 0)
        where += (lang == Language::Chinese ? QStringLiteral(" 信道 ") : QStringLiteral(", channel ")) +
                 channelName(channel);
    return where;
}

// The field name followed by its place: "Mode (HF group C, channel M2)" / "HF 组 C 信道 M2 Mode".
QString fieldAndPlace(const QString& field, int mode, int group, int channel, Language lang) {
    const QString where = placeText(mode, group, channel, lang);
    if (where.isEmpty())
        return field;
    return lang == Language::Chinese ? where + u' ' + field
                                : field + QStringLiteral(" (") + where + u')';
}

} // namespace

QString EncodeRefusal::message(Language lang) const {
    const QString range = QStringLiteral("%1..%2").arg(min).arg(max);
    const QString what = fieldAndPlace(field, mode, group, channel, lang);
    if (lang == Language::Chinese)
        return QStringLiteral("无法写入电台：%1 的值 %2 超出电台允许的范围 %3。")
            .arg(what)
            .arg(value)
            .arg(range);
    return QStringLiteral("Cannot write to the radio: %1 is %2, but the radio takes %3.")
        .arg(what)
        .arg(value)
        .arg(range);
}

QString ReadReplacement::message(Language lang) const {
    const QString what = fieldAndPlace(field, mode, group, channel, lang);
    if (lang == Language::Chinese)
        return QStringLiteral("%1：读到 %2，改为 %3").arg(what).arg(read).arg(kept);
    return QStringLiteral("%1: read %2, now %3").arg(what).arg(read).arg(kept);
}

QString replacementReport(const QList<ReadReplacement>& replaced, Language lang) {
    if (replaced.isEmpty())
        return {};
    QStringList lines{kReplacedHeading.in(lang)};
    for (const ReadReplacement& r : replaced)
        lines << r.message(lang);
    return lines.join(u'\n');
}

} // namespace r5k27
