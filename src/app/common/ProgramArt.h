#pragma once

#include <QImage>
#include <QString>

namespace r5k27 {

inline constexpr QSize kSplashSize{480, 300};
inline constexpr QSize kBackgroundTileSize{256, 256};

struct SplashTexts {
    QString modelName;
    QString title;   // program title in the splash's language
    QString version; // "Version 2.0.0" / "版本 2.0.0"
};

// The splash picture: the model name, the program title and the version on a dark panel.
// Used to render the shipped pictures and, when they are missing, by the splash itself.
QImage paintSplash(const SplashTexts& texts);
// The program's icon, square, drawn for each size so small ones stay crisp.
QImage paintAppIcon(int size);
// One tile of the main window's background; seamless when tiled without its 1-pixel border.
QImage paintBackgroundTile(const QString& watermark);

} // namespace r5k27
