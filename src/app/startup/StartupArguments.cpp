#include "StartupArguments.h"

#include "common/ProgramArt.h"

#include <QFileInfo>
#include <QPixmap>

namespace r5k27 {

QString dataFileArgument(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty() || arguments[1].startsWith(u'-'))
        return {};
    // Absolute, so a later Save writes where the user expects whatever the working folder.
    return QFileInfo(arguments[1]).absoluteFilePath();
}

QIcon programIcon() {
    QIcon drawn;
    for (const int size : {16, 32, 48, 256})
        drawn.addPixmap(QPixmap::fromImage(paintAppIcon(size)));
    return QIcon::fromTheme(kDesktopId, drawn);
}

} // namespace r5k27
