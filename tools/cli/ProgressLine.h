#pragma once

#include <QElapsedTimer>
#include <QString>

namespace r5k27::cli {

// The one-line progress of a transfer on a terminal: "45%  460/1012 blocks  12 s left". The
// time left is the pace so far carried to the end; it is left out until a few blocks have
// gone, and the clock starts over when the percentage falls (a retried transfer, the next
// radio of a group).
class ProgressLine {
public:
    // The line for percent, with blocks done of total when total > 0; starts with a carriage
    // return and covers whatever the previous line left.
    QString update(int percent, int blocksDone = 0, int blocksTotal = 0);

    // "12 s left" at percent, by the pace so far; empty while that says little yet.
    QString timeLeft(int percent);

    // The line without the terminal control, for the given time since the transfer began.
    static QString text(int percent, int blocksDone, int blocksTotal, qint64 elapsedMs);
    static QString timeLeftText(int percent, qint64 elapsedMs);

private:
    QElapsedTimer clock_;
    int lastPercent_ = -1;
    qsizetype lastLength_ = 0;
};

} // namespace r5k27::cli
