#include "ProgressLine.h"

#include <QStringList>

namespace r5k27::cli {

QString ProgressLine::timeLeftText(int percent, qint64 elapsedMs) {
    // Under a second or a few percent the pace says little yet.
    if (percent < 3 || percent >= 100 || elapsedMs < 1000)
        return {};
    const qint64 left = elapsedMs * (100 - percent) / percent;
    return QStringLiteral("%1 s left").arg((left + 999) / 1000);
}

QString ProgressLine::text(int percent, int blocksDone, int blocksTotal, qint64 elapsedMs) {
    QStringList parts{QString::number(percent) + u'%'};
    if (blocksTotal > 0)
        parts << QStringLiteral("%1/%2 blocks").arg(blocksDone).arg(blocksTotal);
    if (const QString left = timeLeftText(percent, elapsedMs); !left.isEmpty())
        parts << left;
    return parts.join(QStringLiteral("  "));
}

QString ProgressLine::timeLeft(int percent) {
    if (!clock_.isValid() || percent < lastPercent_)
        clock_.start();
    lastPercent_ = percent;
    return timeLeftText(percent, clock_.elapsed());
}

QString ProgressLine::update(int percent, int blocksDone, int blocksTotal) {
    timeLeft(percent);
    const QString line = text(percent, blocksDone, blocksTotal, clock_.elapsed());
    const qsizetype length = line.size();
    const QString padded = line.leftJustified(std::max(length, lastLength_));
    lastLength_ = length;
    return u'\r' + padded;
}

} // namespace r5k27::cli
