#include "FieldReports.h"

#include "core/channels/ChannelRec.h"
#include "core/lang/Language.h"

namespace r5k27 {
namespace {

const LocalText kReplacedHeading{"Values the radio held outside their range were replaced:",
                                 "电台中以下数值超出范围，已替换："};
// %1 the bank, %2 the group letter, %3 the channel
const LocalText kBankGroup{"%1 group %2", "%1 组 %2"};
const LocalText kChannelOf{"%1, channel %2", "%1 信道 %2"};
// %1 the field, %2 its place
const LocalText kFieldAndPlace{"%1 (%2)", "%2 %1"};
// %1 the field and place, %2 the value read or sent, %3 the range or the value kept
const LocalText kRefused{"Cannot write to the radio: %1 is %2, but the radio takes %3.",
                         "无法写入电台：%1 的值 %2 超出电台允许的范围 %3。"};
const LocalText kReplaced{"%1: read %2, now %3", "%1：读到 %2，改为 %3"};

QString channelName(int channel) {
    return channel > kOrdinaryChannels ? QStringLiteral("M%1").arg(channel - kOrdinaryChannels)
                                       : QString::number(channel);
}

// "HF group C, channel M2" / "HF 组 C 信道 M2"; empty for a value of no bank.
QString placeText(int mode, int group, int channel, Language lang) {
    if (mode < 0)
        return {};
    QString where = mode == 0 ? QStringLiteral("CB") : QStringLiteral("HF");
    if (group > 0)
        where = formatted(kBankGroup, where, QString(QChar(u'A' + group - 1))).in(lang);
    if (channel != 0)
        where = formatted(kChannelOf, where, channelName(channel)).in(lang);
    return where;
}

// The field name with its place: "Mode (HF group C, channel M2)" / "HF 组 C 信道 M2 Mode".
QString fieldAndPlace(const QString& field, int mode, int group, int channel, Language lang) {
    const QString where = placeText(mode, group, channel, lang);
    return where.isEmpty() ? field : formatted(kFieldAndPlace, field, where).in(lang);
}

} // namespace

QString EncodeRefusal::message(Language lang) const {
    const QString range = QStringLiteral("%1..%2").arg(min).arg(max);
    const QString what = fieldAndPlace(field, mode, group, channel, lang);
    return kRefused.in(lang).arg(what, QString::number(value), range);
}

QString ReadReplacement::message(Language lang) const {
    const QString what = fieldAndPlace(field, mode, group, channel, lang);
    return kReplaced.in(lang).arg(what, QString::number(read), QString::number(kept));
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
