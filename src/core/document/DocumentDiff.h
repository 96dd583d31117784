#pragma once

#include "Document.h"
#include "core/lang/Language.h"

#include <QList>
#include <QString>

namespace r5k27 {

// One value that two documents hold differently, in the user's terms: where is "A12 Frequency",
// "TOT", "DTMF 3" or "RB Tone 2 step 4"; the values as the windows show them.
struct FieldDifference {
    QString where; // the value's full label: "A12 Frequency"
    QString left;
    QString right;
    // The value's own name at the end of where ("Frequency"); empty when where names a place
    // alone ("DTMF 3", a channel on one side only).
    QString field = {};

    // "A12 Frequency 28.3050 / 28.3150"
    QString line() const { return where + u' ' + left + QStringLiteral(" / ") + right; }
    // where without its field: "A12"; empty for an option of the radio as a whole.
    QString place() const { return where.chopped(field.size()).trimmed(); }
    bool operator==(const FieldDifference&) const = default;
};

// Every value the radio holds that differs between the two documents: the work mode, options
// and group values from their field tables, group names, channels matched by number, DTMF
// codes, roger-beep sequences and the RSSI table. Values the radio does not hold are left out,
// so a document and the same document read back from a radio have none. Two values that read
// the same are each followed by what is stored, "OFF (0) / OFF (8)". Values stored differently
// that the radio holds alike (more frequency digits than it keeps) are compared in the radio's
// terms by radioDifferences (core/link).
QList<FieldDifference> documentDifferences(const MemoryImage& left, const ChTable& leftTable,
                                           const MemoryImage& right, const ChTable& rightTable,
                                           Language lang);

} // namespace r5k27
