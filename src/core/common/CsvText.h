#pragma once

#include "core/lang/Language.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

class QIODevice;

namespace r5k27 {

// One record of a comma-separated file: its fields, or malformed (a quote left open, text
// after a closing quote, a record beyond kCsvMaxRecordChars) with the start of its raw text for
// the report. Records are numbered from 1 (the header) so users find them in a spreadsheet.
struct CsvRecord {
    int number = 0;
    QStringList fields;
    bool malformed = false;
    QString raw;
};

// A channel list is a few hundred lines; these bound what a file may cost before it is refused.
inline constexpr qint64 kCsvMaxBytes = qint64(64) << 20;
inline constexpr int kCsvMaxLines = 100'000;
// Longer records are cut and malformed; their text stays short in reports.
inline constexpr qsizetype kCsvMaxRecordChars = 4096;
inline constexpr qsizetype kCsvMaxRawChars = 100;
inline constexpr LocalText kCsvTooLarge{
    "The file is too large for a channel list (more than 100000 lines or 64 MiB).",
    "文件过大，不是频道列表（超过 100000 行或 64 MiB）。"};

// Whether the content of in (a regular file or a buffer) stays within kCsvMaxBytes and
// kCsvMaxLines; it is scanned without being kept and rewound.
bool csvWithinLimits(QIODevice& in);

// Reads UTF-8 text with or without a byte-order mark, one record at a time so that a file is
// never held whole; lines end in CRLF, LF or CR; quoted fields may hold commas, doubled quotes
// and line breaks. Empty lines are skipped.
class CsvReader {
public:
    explicit CsvReader(QIODevice& in);
    std::optional<CsvRecord> next();

private:
    // At least n characters from pos_ on, unless the input ends first.
    bool ensure(qsizetype n);

    QIODevice& in_;
    QStringDecoder decoder_{QStringDecoder::Utf8};
    QString text_;
    qsizetype pos_ = 0;
    bool started_ = false;
    int number_ = 0;
};

// Every record of data (see CsvReader).
QList<CsvRecord> parseCsv(const QByteArray& data);

// One line of fields, quoted where they need it, ending in CRLF.
QString csvLine(const QStringList& fields);

} // namespace r5k27
