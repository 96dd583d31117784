#pragma once

#include <QBrush>
#include <QString>

namespace r5k27 {

// The picture tiled over the window area, each copy without its 1-pixel border so the seams
// disappear. A missing or unreadable picture gives no brush (Qt::NoBrush).
QBrush tiledBackground(const QString& picturePath);

} // namespace r5k27
