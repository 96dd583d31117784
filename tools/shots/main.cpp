// Draws the pictures of the user guide from the program's own windows, in English and Chinese:
// r5k27-shots OUTDIR writes OUTDIR/en/*.png and OUTDIR/zh/*.png. The build runs it offscreen.
#include "ShotSession.h"
#include "core/lang/Language.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

using namespace r5k27;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: r5k27-shots OUTDIR\n");
        return 2;
    }
    QTemporaryDir scratch;
    shots::ShotSession session(scratch.path());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const auto& [lang, folder] :
         {std::pair{Language::English, "en"}, {Language::Chinese, "zh"}}) {
        const QString dir = out.filePath(QString::fromLatin1(folder));
        QDir().mkpath(dir);
        for (const shots::ShotInfo& info : shots::allShots()) {
            const QString path = QDir(dir).filePath(QString::fromLatin1(info.file));
            QWidget* window = session.open(info.shot, lang);
            if (!window || !window->grab().save(path)) {
                std::fprintf(stderr, "r5k27-shots: could not draw %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
