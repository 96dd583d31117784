#include "ProcessStart.h"

#include <QFileInfo>
#include <QProcess>

namespace r5k27 {

bool startDetachedProgram(const QString& path) {
    if (!QFileInfo(path).isExecutable())
        return false;
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

} // namespace r5k27
