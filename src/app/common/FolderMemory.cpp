#include "FolderMemory.h"

#include "platform/UserSettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace r5k27 {
FolderMemory::FolderMemory(UserSettingsStore& store)
    : store_(store) {}

QString FolderMemory::folder() const {
    const QString folder = store_.readText(Settings::lastFolder);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void FolderMemory::remember(const QString& chosenPath) {
    if (chosenPath.isEmpty())
        return;
    store_.writeText(Settings::lastFolder, QFileInfo(chosenPath).absolutePath());
    store_.sync();
}

QString FolderMemory::startPath(const QString& preset) const {
    const QString remembered = folder();
    if (remembered.isEmpty() || QDir::isAbsolutePath(preset))
        return preset;
    return QDir(remembered).filePath(QFileInfo(preset).fileName());
}

} // namespace r5k27
