// Renders the pictures the program ships: the splash of each language and the window backgrounds.
// Usage: r5k27-artwork <program folder> [<icon theme folder> <icon name> <size>...]
#include "common/ProgramArt.h"
#include "common/ProgramInfo.h"

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
    if (argc < 2 || argc == 3 || argc == 4) {
        std::fprintf(stderr, "usage: r5k27-artwork <program folder> "
                             "[<icon theme folder> <icon name> <size>...]\n");
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
    for (const Language lang : kLanguages) {
        const SplashTexts texts{model, splashTitle(lang), versionText(lang, version)};
        ok &= save(paintSplash(texts),
                   folder.filePath(lang == Language::English ? QStringLiteral("StartE.jpg")
                                                             : QStringLiteral("StartC.jpg")));
        ok &= save(paintBackgroundTile(model),
                   folder.filePath(QStringLiteral("PIC/BK_%1.jpg").arg(settingOf(lang))));
    }
    if (argc > 4) {
        // Laid out as an icon theme: <size>x<size>/apps/<name>.png
        const QDir theme(QString::fromLocal8Bit(argv[2]));
        const QString name = QString::fromLocal8Bit(argv[3]);
        for (int i = 4; i < argc; ++i) {
            const int size = QByteArray(argv[i]).toInt();
            if (size < 1 || size > 1024) {
                std::fprintf(stderr, "r5k27-artwork: bad icon size %s\n", argv[i]);
                return 2;
            }
            const QString dir = QStringLiteral("%1x%1/apps").arg(size);
            ok &= theme.mkpath(dir) &&
                  paintAppIcon(size).save(
                      theme.filePath(dir + u'/' + name + QStringLiteral(".png")), "PNG");
        }
    }
    return ok ? 0 : 1;
}
