#include "CaptionTable.h"

#include <QRegularExpression>

namespace r5k27 {

CaptionTable::CaptionTable(const BiText& text)
    : items_{QString(), QString::fromUtf8(text.en), QString::fromUtf8(text.zh)} {}

const QString& CaptionTable::text(int lang) const {
    return isValidLangIndex(lang) ? items_[static_cast<size_t>(lang)] : items_[0];
}

CaptionGrid::CaptionGrid(const BiText& item1, const BiText& item2) {
    for (const int lang : {kLangEnglish, kLangChinese}) {
        items_[static_cast<size_t>(1 + 3 * lang)] = item1.in(lang);
        items_[static_cast<size_t>(2 + 3 * lang)] = item2.in(lang);
    }
}

const QString& CaptionGrid::text(int item, int lang) const {
    if (item < 1 || item > kItems || !isValidLangIndex(lang))
        return items_[0];
    return items_[static_cast<size_t>(item + 3 * lang)];
}

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
