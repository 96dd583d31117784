#include "CsvText.h"

#include <QBuffer>
#include <algorithm>

namespace r5k27 {
namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

} // namespace

// The state of the record being read.
struct CsvReader::Scan {
    Span field;
    qsizetype chars = 0;     // field characters and separators, against kCsvMaxRecordChars
    qsizetype rawEnd = 0;    // where the record's text ends, from its start
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field has closed; only a separator may follow
};

CsvRecord CsvRow::toRecord() const {
    CsvRecord record{number, {}, malformed, raw.toString()};
    record.fields.reserve(fields.size());
    for (const QStringView field : fields)
        record.fields.append(field.toString());
    return record;
}

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

bool CsvReader::readMore(qsizetype n) {
    while (text_.size() - pos_ < n) {
        const QByteArray chunk = in_.read(kChunkBytes);
        if (chunk.isEmpty())
            return false;
        // The record being read stays, unless it is past the limit and only being skipped.
        const qsizetype done = discarding_ ? pos_ : recordStart_;
        text_.remove(0, done);
        pos_ -= done;
        recordStart_ = std::max<qsizetype>(recordStart_ - done, 0);
        text_ += decoder_.decode(chunk);
        if (!started_ && !text_.isEmpty()) {
            started_ = true;
            if (text_.startsWith(QChar(0xFEFF)))
                text_.remove(0, 1);
        }
    }
    return true;
}

bool CsvReader::skipLineEnds() {
    while (ensure(1)) {
        const QChar c = text_.at(pos_);
        if (c != u'\r' && c != u'\n')
            return true;
        recordStart_ = ++pos_;
    }
    return false;
}

void CsvReader::scanRecord(Scan& s) {
    // Adds the character at `at` to the field: the field stays a span of the text while its
    // characters follow each other there, and is copied once a doubled quote breaks the run.
    auto add = [&](qsizetype at) {
        if (++s.chars > kCsvMaxRecordChars && !discarding_) {
            discarding_ = true;
            row_.malformed = true;
            rawCopy_ = text_.mid(recordStart_, kCsvMaxRawChars);
            spans_.clear();
        }
        if (discarding_)
            return;
        Span& f = s.field;
        const qsizetype offset = at - recordStart_;
        if (!f.copied) {
            if (f.length == 0)
                f.begin = offset;
            if (f.begin + f.length == offset) {
                ++f.length;
                return;
            }
            const qsizetype start = copies_.size();
            copies_.append(QStringView(text_).mid(recordStart_ + f.begin, f.length));
            f = {start, f.length, true};
        }
        copies_.append(text_.at(at));
        ++f.length;
    };
    while (ensure(1)) {
        const qsizetype at = pos_++;
        const QChar c = text_.at(at);
        if (s.quoted) {
            if (c != u'"') {
                add(at);
            } else if (ensure(1) && text_.at(pos_) == u'"') {
                add(pos_++);
            } else {
                s.quoted = false;
                s.afterQuote = true;
            }
        } else if (c == u',') {
            if (!discarding_)
                spans_.append(s.field);
            s.field = {};
            s.afterQuote = false;
            ++s.chars;
        } else if (c == u'\r' || c == u'\n') {
            s.rawEnd = at - recordStart_;
            if (c == u'\r' && ensure(1) && text_.at(pos_) == u'\n')
                ++pos_;
            return;
        } else if (c == u'"' && s.field.length == 0 && !s.afterQuote) {
            s.quoted = true;
        } else {
            if (s.afterQuote || c == u'"')
                row_.malformed = true;
            add(at);
            if (!s.field.copied && !discarding_)
                takePlainRun(s);
        }
    }
    s.rawEnd = pos_ - recordStart_;
}

// The rest of an unquoted field at once, up to what ends it or the record's length limit; the
// field is a span of the text, so only its length grows.
void CsvReader::takePlainRun(Scan& s) {
    const auto* text = reinterpret_cast<const char16_t*>(text_.constData());
    const qsizetype room = std::min(text_.size(), pos_ + (kCsvMaxRecordChars - s.chars));
    qsizetype end = pos_;
    while (end < room && text[end] != u',' && text[end] != u'"' && text[end] != u'\r' &&
           text[end] != u'\n')
        ++end;
    s.field.length += end - pos_;
    s.chars += end - pos_;
    pos_ = end;
}

void CsvReader::finishRow(Scan& s) {
    if (s.quoted)
        row_.malformed = true;
    row_.fields.clear();
    if (discarding_) {
        row_.raw = rawCopy_;
        return;
    }
    spans_.append(s.field);
    const QStringView text(text_);
    row_.raw = text.mid(recordStart_, std::min(s.rawEnd, kCsvMaxRawChars));
    for (const Span& span : std::as_const(spans_))
        row_.fields.append(span.copied ? QStringView(copies_).mid(span.begin, span.length)
                                       : text.mid(recordStart_ + span.begin, span.length));
}

const CsvRow* CsvReader::nextRow() {
    recordStart_ = pos_;
    discarding_ = false;
    if (!skipLineEnds())
        return nullptr;
    row_.malformed = false;
    spans_.clear();
    copies_.truncate(0);
    Scan scan;
    scanRecord(scan);
    finishRow(scan);
    ++row_.number;
    return &row_;
}

std::optional<CsvRecord> CsvReader::next() {
    const CsvRow* row = nextRow();
    return row ? std::optional<CsvRecord>(row->toRecord()) : std::nullopt;
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
