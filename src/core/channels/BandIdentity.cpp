#include "BandIdentity.h"

#include "core/common/AppSettings.h"
#include "core/common/NumericText.h"
#include "core/image/FixedText.h"

namespace r5k27 {

int bandFlagOf(const QString& bandText) {
    return bandText == kBandTextCB ? 0 : 1;
}

QString bandDigitOf(const QString& bandText) {
    return QString::number(bandFlagOf(bandText));
}

bool isWellFormedTag(const QString& tag) {
    const QString s = cutAtNulTrimmed(tag);
    return s.size() == 4 && s.startsWith(u'V') && isNumericText(s.right(3));
}

} // namespace r5k27
