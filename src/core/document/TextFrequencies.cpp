#include "TextFrequencies.h"

#include "core/channels/ChannelNames.h"
#include "core/channels/Frequency.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

constexpr LocalText kHint{
    "%1: the stored frequency \"%2\" is not a number; the radio gets this channel without a "
    "frequency.",
    "%1：存储的频率“%2”不是数字；对讲机收到的此信道没有频率。"};
constexpr LocalText kQuestion{
    "These channels hold a stored frequency that is not a number: %1. The radio gets them "
    "without a frequency.\r\nWrite to the radio anyway?",
    "以下信道存储的频率不是数字：%1。对讲机收到的这些信道没有频率。\r\n仍要写入对讲机吗？"};
// More names than this make the question too long to read; the count says the rest.
constexpr int kNamedAtMost = 12;
constexpr LocalText kMore{"and %1 more", "另有 %1 个"};

} // namespace

std::optional<QString> textFrequencyOf(const ChannelRec& rec) {
    const QString stored = cutAtNulTrimmed(rec.rxFreq.raw()).trimmed();
    if (stored.isEmpty() || stored == QStringLiteral("FFFFFFFF") ||
        Frequency::fromStored(rec.rxFreq.raw()))
        return std::nullopt;
    return stored;
}

QString textFrequencyHint(const ChannelKey& key, const QString& stored, Language lang) {
    return kHint.in(lang).arg(channelLabel(key.mode, key.group, key.chNo), stored);
}

QList<ChannelKey> channelsWithTextFrequency(const MemoryImage& image, const ChTable& table) {
    QList<ChannelKey> keys;
    forEachUsedSlot(image, [&](const SlotKey& at) {
        const ChannelRec& rec = table.at(at);
        if (textFrequencyOf(rec))
            keys << ChannelKey{at.mode, at.group, rec.chNo};
    });
    return keys;
}

bool confirmTextFrequencies(const MemoryImage& image, const ChTable& table, Prompter& prompter,
                            Language lang) {
    const QList<ChannelKey> keys = channelsWithTextFrequency(image, table);
    if (keys.isEmpty())
        return true;
    QStringList names;
    for (const ChannelKey& key : keys.mid(0, kNamedAtMost))
        names << channelLabel(key.mode, key.group, key.chNo);
    if (keys.size() > kNamedAtMost)
        names << kMore.in(lang).arg(keys.size() - kNamedAtMost);
    const QString question = kQuestion.in(lang).arg(names.join(QStringLiteral(", ")));
    return prompter.ask(question, Buttons::YesNo, Icon::Warning) == Answer::Yes;
}

} // namespace r5k27
