#pragma once

#include "core/lang/Language.h"

#include <QByteArray>
#include <QStringList>

namespace r5k27 {

namespace VerifyTexts {
inline constexpr LocalText verifyFailed{
    "Verify failed: the radio holds other values than were sent.",
    "校验失败：对讲机中的数据与写入的不同。"};
inline constexpr LocalText radioNumbered{"Radio %1: ", "第 %1 台对讲机："};
} // namespace VerifyTexts

// What a written radio read back holds differently from what was sent, as "field sent / read"
// lines, at most limit of them; empty when every written byte came back. A difference in bytes
// that no field covers is named by its address.
QStringList writeMismatches(const QByteArray& sent, const QByteArray& readBack, Language lang,
                            int limit = 3);

// The failure message of a verify, naming the mismatches below its first line.
QString verifyFailureText(const QStringList& mismatches, Language lang);

} // namespace r5k27
