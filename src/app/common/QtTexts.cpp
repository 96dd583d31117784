#include "QtTexts.h"

#include "core/lang/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace r5k27 {

bool useQtTexts(Language lang) {
    static QTranslator chinese;
    static bool loaded = false;
    if (lang != Language::Chinese) {
        QCoreApplication::removeTranslator(&chinese);
        return true;
    }
    if (!loaded)
        loaded = chinese.load(QStringLiteral("qtbase_zh_CN"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return loaded && QCoreApplication::installTranslator(&chinese);
}

} // namespace r5k27
