#include "WriteVerify.h"

#include "LinkTypes.h"
#include "MemoryMap.h"
#include "core/document/DocumentDiff.h"

namespace r5k27 {

QStringList writeMismatches(const QByteArray& sent, const QByteArray& readBack, Language lang,
                            int limit) {
    constexpr int kWritten = kWriteEndAddr + 1;
    if (readBack.size() < kWritten || sent.size() < kWritten)
        return {QStringLiteral("0x0000")};
    int firstByte = -1;
    for (int i = 0; i < kWritten && firstByte < 0; ++i)
        if (sent[i] != readBack[i])
            firstByte = i;
    if (firstByte < 0)
        return {};

    // Both sides are decoded onto the same blank document, so only what the radio holds counts.
    Document sentDoc;
    Document readDoc;
    decodeImage(sent, sentDoc.curImage, sentDoc.chTable);
    decodeImage(readBack.left(kWritten) + sent.mid(kWritten), readDoc.curImage, readDoc.chTable);
    QStringList lines;
    for (const FieldDifference& diff : documentDifferences(
             sentDoc.curImage, sentDoc.chTable, readDoc.curImage, readDoc.chTable, lang)) {
        if (lines.size() == limit)
            break;
        lines << diff.line();
    }
    if (lines.isEmpty())
        lines << QStringLiteral("0x") +
                     QStringLiteral("%1").arg(firstByte, 4, 16, QLatin1Char('0')).toUpper();
    return lines;
}

QString verifyFailureText(const QStringList& mismatches, Language lang) {
    return (QStringList{VerifyTexts::verifyFailed.in(lang)} + mismatches)
        .join(QStringLiteral("\r\n"));
}

} // namespace r5k27
