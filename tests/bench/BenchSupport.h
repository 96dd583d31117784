#pragma once

// Shared by the benchmarks: figures over many runs and the full document they work on.
#include "core/channels/ChannelTable.h"
#include "core/document/Document.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace r5k27::bench {

// The value below which a share p (0..1) of the samples lie; 0 for no samples.
inline double percentile(std::vector<double> samples, double p) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(p * double(samples.size() - 1) + 0.5))];
}

// Every ordinary channel in every group of both modes: the largest document there is.
inline void fillEveryGroup(Document& doc) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int chNo = 2; chNo <= kOrdinaryChannels; ++chNo)
                addChannel(doc.curImage, doc.chTable, {mode, group, chNo},
                           QStringLiteral("28.%1").arg(chNo * 10, 4, 10, QChar(u'0')));
}

// Times op over runs and prints median and p99 in microseconds; stops at the first failure.
inline void reportTimings(const char* name, int runs, const std::function<bool()>& op) {
    std::vector<double> micros;
    micros.reserve(std::size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const bool ok = op();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
        if (!ok) {
            std::printf("%s: failed at run %d\n", name, i);
            return;
        }
    }
    std::printf("%-28s runs %6d  median %9.1f us  p99 %9.1f us\n", name, runs,
                percentile(micros, 0.5), percentile(micros, 0.99));
}

} // namespace r5k27::bench
