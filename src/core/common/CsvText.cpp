#include "CsvText.h"

namespace r5k27 {

QList<CsvRecord> parseCsv(const QByteArray& data) {
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QList<CsvRecord> records;
    CsvRecord record;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field has closed; only a separator may follow
    bool fieldStarted = false;
    int number = 0;
    qsizetype start = 0;

    auto endRecord = [&](qsizetype end) {
        const bool empty = record.fields.isEmpty() && !fieldStarted && field.isEmpty();
        record.fields << field;
        record.raw = text.mid(start, end - start);
        if (!empty || record.malformed) {
            record.number = ++number;
            records << record;
        }
        record = CsvRecord{};
        field.clear();
        afterQuote = fieldStarted = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else {
                quoted = false;
                afterQuote = true;
            }
            continue;
        }
        if (c == u',') {
            record.fields << field;
            field.clear();
            afterQuote = false;
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            endRecord(i);
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        } else if (c == u'"' && field.isEmpty() && !afterQuote) {
            quoted = true;
            fieldStarted = true;
        } else {
            if (afterQuote || c == u'"')
                record.malformed = true;
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        record.malformed = true;
    if (quoted || fieldStarted || !field.isEmpty() || !record.fields.isEmpty())
        endRecord(text.size());
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
