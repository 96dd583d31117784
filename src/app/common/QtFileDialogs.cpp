#include "QtFileDialogs.h"

#include "FolderMemory.h"

#include <QApplication>
#include <QFileDialog>

namespace r5k27 {

QString qtFileFilter(const QString& pairedFilter) {
    const QStringList parts = pairedFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.contains(pattern)
                        ? description
                        : description + QStringLiteral(" (") + pattern + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString defaultSuffixOf(const QString& pairedFilter) {
    const QString pattern = pairedFilter.section(u'|', 1, 1).section(u';', 0, 0).trimmed();
    const QString suffix = pattern.startsWith(QStringLiteral("*.")) ? pattern.mid(2) : QString();
    if (!suffix.isEmpty() && !suffix.contains(u'*'))
        return suffix;
    return QStringLiteral("dat");
}

QString QtFileDialogs::openFileName(const QString& filter, const QString& title) {
    const QString path =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), title,
                                     memory_ ? memory_->folder() : QString(), qtFileFilter(filter));
    if (memory_)
        memory_->remember(path);
    return path;
}

QString QtFileDialogs::saveFileName(const QString& filter, const QString& preset,
                                    const QString& title) {
    QFileDialog dialog(QApplication::activeWindow(), title,
                       memory_ ? memory_->startPath(preset) : preset, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffixOf(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    if (memory_)
        memory_->remember(path);
    return path;
}

} // namespace r5k27
