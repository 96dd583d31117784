#include "FixedText.h"

namespace r5k27 {

QByteArray encodeSingleByte(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(c.unicode() <= 0xFF ? char(c.unicode()) : '?');
    return out;
}

QString decodeSingleByte(const char* bytes, std::size_t count) {
    return QString::fromLatin1(bytes, qsizetype(count));
}

bool isSingleByteText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QString cleanFixedText(const QString& text) {
    // Trailing blanks go first, then the cut at the first NUL: "AB \0  " keeps its inner blank.
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    QString s = text.left(end);
    const qsizetype nul = s.indexOf(QChar(u'\0'));
    if (nul >= 0)
        s.truncate(nul);
    return s;
}

QString cutAtNulTrimmed(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    qsizetype end = nul < 0 ? text.size() : nul;
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

} // namespace r5k27
