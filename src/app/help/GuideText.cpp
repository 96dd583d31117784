#include "GuideText.h"

#include "GuideOptions.h"
#include "core/lang/Language.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>

namespace r5k27 {

namespace {

const QString kOptionsMarker = QStringLiteral("<!--options-->");
// Wider pictures are shown smaller, so that the text beside the contents needs no scrolling.
constexpr int kPictureWidth = 540;

// Pictures are named relative to the picture folder: "en/channels.png".
QString fittedPictures(QString html, const QString& pictureFolder) {
    static const QRegularExpression picture(QStringLiteral(R"re(<p><img src="([^"]+)"></p>)re"));
    const QDir folder(pictureFolder);
    qsizetype from = 0;
    for (auto match = picture.match(html, from); match.hasMatch();
         match = picture.match(html, from)) {
        const QString path = folder.filePath(match.captured(1));
        const QSize size = QImageReader(path).size();
        if (pictureFolder.isEmpty() || !size.isValid()) {
            html.remove(match.capturedStart(), match.capturedLength());
            from = match.capturedStart();
            continue;
        }
        QString shown = match.captured(0);
        if (size.width() > kPictureWidth)
            shown.replace(QStringLiteral("\">"),
                          QStringLiteral("\" width=\"%1\" height=\"%2\">")
                              .arg(kPictureWidth)
                              .arg(size.height() * kPictureWidth / size.width()));
        html.replace(match.capturedStart(), match.capturedLength(), shown);
        from = match.capturedStart() + shown.size();
    }
    return html;
}

} // namespace

QString guideSource(Language lang) {
    QFile file(lang == Language::Chinese ? QStringLiteral(":/guide/zh.html")
                                         : QStringLiteral(":/guide/en.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString guideHtml(Language lang, const QString& pictureFolder) {
    QString html = guideSource(lang);
    html.replace(kOptionsMarker, optionsGuideHtml(lang));
    return fittedPictures(html, pictureFolder);
}

QList<GuideSection> guideSections(const QString& html) {
    static const QRegularExpression heading(
        QStringLiteral(R"re(<h2><a name="([a-z0-9-]+)"></a>([^<]+)</h2>)re"));
    QList<GuideSection> sections;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        sections.append({match.captured(1), match.captured(2)});
    }
    return sections;
}

} // namespace r5k27
