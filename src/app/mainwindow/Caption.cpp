#include "Caption.h"

#include "core/channels/BandLimits.h"

namespace r5k27 {

QString fileNameOfPath(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

QString mainWindowCaption(const AppSettings& settings, int workMode, const QString& docPath) {
    static constexpr LocalText fileNameLabel{"File Name", "文件名"};
    return settings.modelName + u'[' + bandTextOfWorkMode(workMode) + QStringLiteral("][") +
           fileNameLabel.in(settings.language) + u':' + fileNameOfPath(docPath) + u']';
}

QString bandStatusText(const AppSettings& settings, int workMode) {
    return settings.modelName + u'[' + bandTextOfWorkMode(workMode) + u']';
}

} // namespace r5k27
