#include "RadioDiff.h"

#include "MemoryMap.h"
#include "core/document/Document.h"
#include "core/image/RadioLayout.h"

#include <optional>

namespace r5k27 {
namespace {

std::optional<QByteArray> encoded(const MemoryImage& image, const ChTable& table) {
    QByteArray buf = prepareRadioBuf();
    if (encodeImage(image, table, buf))
        return std::nullopt;
    return buf;
}

// What a radio holding buf reads back as, on a document that holds nothing else.
Document decodedOnBlank(const QByteArray& buf) {
    Document doc;
    decodeImage(buf, doc.curImage, doc.chTable);
    return doc;
}

QString hexByte(char b) {
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(uint(uchar(b)), 2, 16, QChar(u'0')).toUpper();
}

QString address(int at) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(at, 4, 16, QChar(u'0')).toUpper();
}

} // namespace

QList<FieldDifference> radioImageDifferences(const QByteArray& left, const QByteArray& right,
                                             Language lang) {
    if (left.size() != kRadioBufSize || right.size() != kRadioBufSize || left == right)
        return left == right ? QList<FieldDifference>{}
                             : QList<FieldDifference>{{address(0), QString(), QString()}};
    const Document l = decodedOnBlank(left);
    const Document r = decodedOnBlank(right);
    QList<FieldDifference> out =
        documentDifferences(l.curImage, l.chTable, r.curImage, r.chTable, lang);
    // Bytes the decoded documents agree on, encoded again, though the images differ there: the
    // decoder could not tell them apart, so only their addresses can show them.
    const auto again = [](const Document& doc, const QByteArray& fallback) {
        return encoded(doc.curImage, doc.chTable).value_or(fallback);
    };
    const QByteArray l2 = again(l, left);
    const QByteArray r2 = again(r, right);
    for (int at = 0; at < kRadioBufSize; ++at)
        if (left[at] != right[at] && l2[at] == r2[at])
            out.append({address(at), hexByte(left[at]), hexByte(right[at])});
    return out;
}

QList<FieldDifference> radioDifferences(const MemoryImage& left, const ChTable& leftTable,
                                        const MemoryImage& right, const ChTable& rightTable,
                                        Language lang) {
    const auto l = encoded(left, leftTable);
    const auto r = encoded(right, rightTable);
    if (!l || !r)
        return documentDifferences(left, leftTable, right, rightTable, lang);
    return radioImageDifferences(*l, *r, lang);
}

} // namespace r5k27
