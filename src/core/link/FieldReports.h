#pragma once

#include "core/lang/Language.h"

#include <QList>
#include <QString>

namespace r5k27 {

// A document value that does not fit the radio's byte for it. Encoding never wraps a value.
struct EncodeRefusal {
    QString field;
    int mode = -1;   // work mode of the value, -1 when it belongs to no bank
    int group = 0;   // 1..10, 0 when it belongs to no group
    int channel = 0; // channel number, 0 when it belongs to no channel
    long long value = 0;
    long long min = 0;
    long long max = 0;

    QString message(Language lang) const;
};

// A value read from the radio outside the range its field documents (or a tone number in no
// tone list), and what the document holds instead, so that the next write takes it.
struct ReadReplacement {
    QString field;
    int mode = -1; // as in EncodeRefusal
    int group = 0;
    int channel = 0;
    long long read = 0;
    long long kept = 0;

    QString message(Language lang) const;
};

// The lines a read adds to its completion message: a heading and one line per replaced value;
// empty when nothing was replaced.
QString replacementReport(const QList<ReadReplacement>& replaced, Language lang);

} // namespace r5k27
