#include "CsvText.h"

#include <QBuffer>

namespace r5k27 {
namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

// One record as it is read: the fields so far and the one being read.
struct RecordBuilder {
    CsvRecord record;
    QString field;
    qsizetype chars = 0;
    bool fieldStarted = false;

    // Every character of the record as written, quotes and commas included.
    void see(QChar c) {
        if (record.raw.size() < kCsvMaxRawChars)
            record.raw += c;
    }
    void add(QChar c) {
        if (++chars > kCsvMaxRecordChars)
            record.malformed = true;
        else
            field += c;
    }
    void endField() {
        record.fields << field;
        field.clear();
    }
    bool empty() const { return record.fields.isEmpty() && !fieldStarted && field.isEmpty(); }
};

} // namespace

bool csvWithinLimits(QIODevice& in) {
    if (!in.isSequential() && in.size() > kCsvMaxBytes)
        return false;
    qint64 bytes = 0;
    qint64 lines = 0;
    char last = 0;
    QByteArray chunk;
    while (!(chunk = in.read(kChunkBytes)).isEmpty()) {
        bytes += chunk.size();
        for (const char c : std::as_const(chunk)) {
            lines += c == '\n' ? last != '\r' : c == '\r';
            last = c;
        }
        if (bytes > kCsvMaxBytes || lines > kCsvMaxLines)
            return false;
    }
    return in.seek(0);
}

CsvReader::CsvReader(QIODevice& in)
    : in_(in) {}

bool CsvReader::ensure(qsizetype n) {
    while (text_.size() - pos_ < n) {
        const QByteArray chunk = in_.read(kChunkBytes);
        if (chunk.isEmpty())
            return false;
        text_.remove(0, pos_);
        pos_ = 0;
        text_ += decoder_.decode(chunk);
        if (!started_ && !text_.isEmpty()) {
            started_ = true;
            if (text_.startsWith(QChar(0xFEFF)))
                text_.remove(0, 1);
        }
    }
    return true;
}

std::optional<CsvRecord> CsvReader::next() {
    RecordBuilder b;
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field has closed; only a separator may follow
    while (ensure(1)) {
        const QChar c = text_.at(pos_++);
        if (!(c == u'\r' || c == u'\n') || quoted)
            b.see(c);
        if (quoted) {
            if (c != u'"') {
                b.add(c);
            } else if (ensure(1) && text_.at(pos_) == u'"') {
                b.see(c);
                b.add(text_.at(pos_++));
            } else {
                quoted = false;
                afterQuote = true;
            }
            continue;
        }
        if (c == u',') {
            b.endField();
            afterQuote = false;
            b.fieldStarted = true;
            b.chars++;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && ensure(1) && text_.at(pos_) == u'\n')
                ++pos_;
            if (!b.empty() || b.record.malformed)
                break;
            b = RecordBuilder{};
            afterQuote = false;
        } else if (c == u'"' && b.field.isEmpty() && !afterQuote) {
            quoted = true;
            b.fieldStarted = true;
        } else {
            if (afterQuote || c == u'"')
                b.record.malformed = true;
            b.add(c);
            b.fieldStarted = true;
        }
    }
    if (quoted)
        b.record.malformed = true;
    if (b.empty() && !b.record.malformed)
        return std::nullopt;
    b.endField();
    b.record.number = ++number_;
    return std::move(b.record);
}

QList<CsvRecord> parseCsv(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    QList<CsvRecord> records;
    while (auto record = reader.next())
        records << std::move(*record);
    return records;
}

QString csvLine(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields) {
        if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            QString q = f;
            q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            out << u'"' + q + u'"';
        } else {
            out << f;
        }
    }
    return out.join(u',') + QStringLiteral("\r\n");
}

} // namespace r5k27
