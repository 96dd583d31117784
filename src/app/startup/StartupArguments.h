#pragma once

#include <QIcon>
#include <QStringList>

namespace r5k27 {

// The name the desktop entry, icons and metainfo are installed under (set by the build).
inline const QString kDesktopId = QStringLiteral(R5K27_APP_ID);

// The data file named as the first argument, as an absolute path; empty when there is none or
// it is an option. Qt has already taken its own options out of the arguments.
QString dataFileArgument(const QStringList& arguments);

// The installed icon, or the same picture drawn on the spot when the theme does not have it.
QIcon programIcon();

} // namespace r5k27
