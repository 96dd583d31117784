#include "Caption.h"

namespace r5k27 {

QString fileNameOfPath(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

QString mainWindowCaption(const AppSettings& settings, const QString& docPath) {
    static constexpr BiText fileNameLabel{"File Name", "文件名"};
    return settings.modelName + u'[' + settings.bandText + QStringLiteral("][") +
           fileNameLabel.in(settings.langIndex) + u':' + fileNameOfPath(docPath) + u']';
}

QString bandStatusText(const AppSettings& settings) {
    return settings.modelName + u'[' + settings.bandText + u']';
}

} // namespace r5k27
