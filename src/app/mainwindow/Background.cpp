#include "Background.h"

#include <QFileInfo>
#include <QPixmap>

namespace r5k27 {

QBrush tiledBackground(const QString& picturePath) {
    if (!QFileInfo(picturePath).isFile())
        return {};
    const QPixmap picture(picturePath);
    if (picture.width() < 3 || picture.height() < 3)
        return {};
    return QBrush(picture.copy(1, 1, picture.width() - 2, picture.height() - 2));
}

} // namespace r5k27
