#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace r5k27 {

// One record of a comma-separated file: its fields, or malformed (a quote left open, text
// after a closing quote) with the raw text for the report. Records are numbered from 1 (the
// header) so users find them in a spreadsheet.
struct CsvRecord {
    int number = 0;
    QStringList fields;
    bool malformed = false;
    QString raw;
};

// Reads UTF-8 text with or without a byte-order mark; lines end in CRLF, LF or CR; quoted fields
// may hold commas, doubled quotes and line breaks. Empty lines are skipped.
QList<CsvRecord> parseCsv(const QByteArray& data);

// One line of fields, quoted where they need it, ending in CRLF.
QString csvLine(const QStringList& fields);

} // namespace r5k27
