#include "WriteVerify.h"

#include "LinkTypes.h"
#include "RadioDiff.h"

namespace r5k27 {

QStringList writeMismatches(const QByteArray& sent, const QByteArray& readBack, Language lang,
                            int limit) {
    constexpr int kWritten = kWriteEndAddr + 1;
    if (readBack.size() < kWritten || sent.size() < kWritten)
        return {QStringLiteral("0x0000")};
    if (sent.left(kWritten) == readBack.left(kWritten))
        return {};

    // Only what the radio holds counts; bytes beyond the written range are the sent ones.
    QStringList lines;
    for (const FieldDifference& diff :
         radioImageDifferences(sent, readBack.left(kWritten) + sent.mid(kWritten), lang)) {
        if (lines.size() == limit)
            break;
        lines << diff.line();
    }
    return lines;
}

QString verifyFailureText(const QStringList& mismatches, Language lang) {
    return (QStringList{VerifyTexts::verifyFailed.in(lang)} + mismatches)
        .join(QStringLiteral("\r\n"));
}

} // namespace r5k27
