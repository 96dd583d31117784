#include "Accelerators.h"

#include <QRegularExpression>

namespace r5k27 {

QString withoutAccelerator(const QString& caption) {
    static const QRegularExpression bracketed(QStringLiteral("\\(&[^&)]\\)"));
    QString out = caption;
    out.remove(bracketed);
    QString plain;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] == u'&' && i + 1 < out.size())
            ++i;
        plain += out[i];
    }
    return plain;
}

QString captionWithDetail(const QString& caption, const QString& detail) {
    if (detail.isEmpty())
        return caption;
    QString escaped = detail;
    escaped.replace(u'&', QStringLiteral("&&"));
    static const QRegularExpression trailingMarker(QStringLiteral("\\(&[^&)]\\)$"));
    const QRegularExpressionMatch marker = trailingMarker.match(caption);
    if (!marker.hasMatch())
        return caption + u' ' + escaped;
    return caption.left(marker.capturedStart()) + u' ' + escaped + marker.captured();
}

} // namespace r5k27
