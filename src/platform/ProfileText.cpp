#include "ProfileText.h"

#include <QList>
#include <QSet>

namespace r5k27::ProfileText {
namespace {

struct Line {
    qsizetype begin; // offset of the first byte
    qsizetype end;   // offset after the text, before the line ending
    qsizetype next;  // offset of the next line
};

// Text editors save UTF-8 with a byte-order mark; it belongs to the file, not to its first line.
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

qsizetype textStart(const QByteArray& content) {
    return content.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
}

QList<Line> splitLines(const QByteArray& content) {
    QList<Line> lines;
    qsizetype pos = textStart(content);
    while (pos < content.size()) {
        qsizetype nl = content.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? content.size() : nl + 1;
        qsizetype end = nl < 0 ? content.size() : nl;
        if (end > pos && content[end - 1] == '\r')
            --end;
        lines.append({pos, end, next});
        pos = next;
    }
    return lines;
}

QByteArray textOf(const QByteArray& content, const Line& line) {
    return content.mid(line.begin, line.end - line.begin);
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<QByteArray> sectionName(const QByteArray& text) {
    const QByteArray t = text.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return t.mid(1, (close < 0 ? t.size() : close) - 1).trimmed();
}

bool isComment(const QByteArray& text) {
    return text.trimmed().startsWith(';');
}

struct Found {
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype lastContentLine = -1; // last non-blank line of the section
};

Found find(const QByteArray& content, const QList<Line>& lines, const QByteArray& section,
           const QByteArray& key) {
    Found found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray text = textOf(content, lines[i]);
        if (const auto name = sectionName(text)) {
            if (inSection)
                break; // the first matching section is the one that counts
            inSection = sameName(*name, section);
            if (inSection)
                found.sectionLine = found.lastContentLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!text.trimmed().isEmpty())
            found.lastContentLine = i;
        const qsizetype eq = text.indexOf('=');
        if (eq < 0 || isComment(text))
            continue;
        if (found.keyLine < 0 && sameName(text.left(eq), key))
            found.keyLine = i;
    }
    return found;
}

QByteArray lineEndingOf(const QByteArray& content) {
    if (content.contains("\r\n") || !content.contains('\n'))
        return "\r\n";
    return "\n";
}

// The value of a "key=value" line: trimmed, one pair of matching quotes taken off.
QByteArray valueOf(const QByteArray& text) {
    QByteArray value = text.mid(text.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<QByteArray> lookup(const QByteArray& content, const QByteArray& section,
                                 const QByteArray& key) {
    const QList<Line> lines = splitLines(content);
    const Found found = find(content, lines, section, key);
    if (found.keyLine < 0)
        return std::nullopt;
    return valueOf(textOf(content, lines[found.keyLine]));
}

QByteArray indexKey(const QByteArray& section, const QByteArray& key) {
    return section.trimmed().toLower() + '\n' + key.trimmed().toLower();
}

QHash<QByteArray, QByteArray> index(const QByteArray& content) {
    QHash<QByteArray, QByteArray> values;
    QSet<QByteArray> sectionsSeen;
    std::optional<QByteArray> section; // only the first section of a name counts
    for (const Line& line : splitLines(content)) {
        const QByteArray text = textOf(content, line);
        if (const auto name = sectionName(text)) {
            const QByteArray folded = name->toLower();
            section = sectionsSeen.contains(folded) ? std::nullopt : std::optional(folded);
            sectionsSeen.insert(folded);
            continue;
        }
        const qsizetype eq = text.indexOf('=');
        if (!section || eq < 0 || isComment(text))
            continue;
        const QByteArray key = indexKey(*section, text.left(eq));
        if (!values.contains(key))
            values.insert(key, valueOf(text));
    }
    return values;
}

QByteArray assign(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                  const QByteArray& value) {
    const QList<Line> lines = splitLines(content);
    const Found found = find(content, lines, section, key);
    const QByteArray eol = lineEndingOf(content);

    if (found.keyLine >= 0) {
        const Line& line = lines[found.keyLine];
        const QByteArray text = textOf(content, line);
        const QByteArray keyText = text.left(text.indexOf('=')).trimmed();
        QByteArray out = content;
        out.replace(line.begin, line.end - line.begin, keyText + '=' + value);
        return out;
    }

    const QByteArray keyLine = key + '=' + value;
    if (found.sectionLine >= 0) {
        const Line& after = lines[found.lastContentLine];
        QByteArray out = content;
        // The last line of the file without a "\n" (a lone CR counts as none): the key goes
        // after its text, on a line of its own.
        if (after.next == content.size() && !content.endsWith('\n'))
            out.insert(after.end, eol + keyLine);
        else
            out.insert(after.next, keyLine + eol);
        return out;
    }

    QByteArray out = content;
    if (out.size() > textStart(out) && !out.endsWith('\n'))
        out += eol;
    out += '[' + section + ']' + eol + keyLine + eol;
    return out;
}

} // namespace r5k27::ProfileText
