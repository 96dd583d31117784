#include "QtFileDialogs.h"

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

QString QtFileDialogs::openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                        qtFileFilter(filter));
}

QString QtFileDialogs::saveFileName(const QString& filter, const QString& preset) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), preset, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace r5k27
