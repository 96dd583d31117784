// Renders the pictures the program ships: the splash of each language and the window backgrounds.
// Usage: r5k27-artwork <program folder>
#include "common/ProgramInfo.h"
#include "splash/SplashArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "JPG", 92))
        return true;
    std::fprintf(stderr, "r5k27-artwork: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: r5k27-artwork <program folder>\n");
        return 2;
    }
    // Painting needs fonts but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace r5k27;

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("PIC")))
        return 1;
    const QString model = QStringLiteral("BRELLOCK R5K27");
    const QString version = QStringLiteral(R5K27_VERSION);
    bool ok = true;
    for (const int lang : {kLangEnglish, kLangChinese}) {
        const SplashTexts texts{model, splashTitle(lang), versionText(lang, version)};
        ok &= save(paintSplash(texts),
                   folder.filePath(lang == kLangEnglish ? QStringLiteral("StartE.jpg")
                                                        : QStringLiteral("StartC.jpg")));
        ok &= save(paintBackgroundTile(model),
                   folder.filePath(QStringLiteral("PIC/BK_%1.jpg").arg(lang)));
    }
    return ok ? 0 : 1;
}
