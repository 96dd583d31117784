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

// A record as the reader sees it: the fields are views into the reader's buffers, valid until
// it reads the next record. A record beyond kCsvMaxRecordChars has no fields.
struct CsvRow {
    int number = 0;
    QList<QStringView> fields;
    bool malformed = false;
    QStringView raw;

    CsvRecord toRecord() const;
};

// Whether the content of in (a regular file or a buffer) stays within kCsvMaxBytes and
// kCsvMaxLines; it is scanned without being kept and rewound.
bool csvWithinLimits(QIODevice& in);

// Reads UTF-8 text with or without a byte-order mark, one record at a time so that a file is
// never held whole; lines end in CRLF, LF or CR; quoted fields may hold commas, doubled quotes
// and line breaks. Empty lines are skipped. A field is a view of the text read, copied only
// when it held a doubled quote, so reading a record allocates nothing once the buffers have
// grown to the longest record.
class CsvReader {
public:
    explicit CsvReader(QIODevice& in);
    // The next record, nullptr at the end; valid until the next call.
    const CsvRow* nextRow();
    // The next record as a copy of its own.
    std::optional<CsvRecord> next();

private:
    // Where a field lies: in the record's text, or in the copies of unquoted fields.
    struct Span {
        qsizetype begin = 0;
        qsizetype length = 0;
        bool copied = false;
    };
    struct Scan;

    // At least n characters from pos_ on, unless the input ends first.
    bool ensure(qsizetype n) { return text_.size() - pos_ >= n || readMore(n); }
    bool readMore(qsizetype n);
    bool skipLineEnds();
    void scanRecord(Scan& scan);
    void takePlainRun(Scan& scan);
    void finishRow(Scan& scan);

    QIODevice& in_;
    QStringDecoder decoder_{QStringDecoder::Utf8};
    QString text_;
    qsizetype pos_ = 0;
    qsizetype recordStart_ = 0;
    // A record past the length limit keeps only the start of its raw text, here.
    bool discarding_ = false;
    QString rawCopy_;
    QString copies_;
    QList<Span> spans_;
    CsvRow row_;
    bool started_ = false;
};

// Every record of data (see CsvReader).
QList<CsvRecord> parseCsv(const QByteArray& data);

// One line of fields, quoted where they need it, ending in CRLF.
QString csvLine(const QStringList& fields);

} // namespace r5k27
