// Edit › Undo and Redo, and File › Recent Files of the main window.
#include "MainWindow.h"
#include "mainwindow/MainWindowTexts.h"
#include "startup/AppContext.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace r5k27 {

EditHistory& MainWindow::history() {
    return ctx_.model.history();
}

void MainWindow::undo() {
    emit commitPendingEdits();
    ctx_.model.undo();
}

void MainWindow::redo() {
    emit commitPendingEdits();
    ctx_.model.redo();
}

void MainWindow::documentReplaced() {
    history().reset();
}

void MainWindow::followDocument(const DocumentChange& change) {
    if (change.kind == DocumentChange::Kind::Whole || change.kind == DocumentChange::Kind::WorkMode)
        refreshCaption();
}

void MainWindow::refreshUndoItems() {
    const Language lang = ctx_.settings.language;
    auto show = [&](MenuItem item, QAction* button, bool possible, const EditName& name) {
        const QString detail = name.in(lang);
        const QString caption =
            captionWithDetail(ctx_.captions.menuText(item, lang), possible ? detail : QString());
        action(item)->setText(caption);
        action(item)->setEnabled(possible);
        button->setToolTip(withoutAccelerator(caption));
        button->setEnabled(possible);
    };
    show(MenuItem::EditUndo, undoButton_, history().canUndo(), history().undoName());
    show(MenuItem::EditRedo, redoButton_, history().canRedo(), history().redoName());
    // Every edit, undo and redo passes here.
    refreshModifiedPanel();
}

void MainWindow::documentFileUsed(const QString& path) {
    recentFiles_.add(path);
    refreshRecentFiles();
}

void MainWindow::refreshRecentFiles() {
    recentMenu_->setTitle(MainWindowTexts::recentFiles.in(ctx_.settings.language));
    recentMenu_->clear();
    const QStringList paths = recentFiles_.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i + 1));
        const QString path = paths[i];
        connect(entry, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    recentMenu_->setEnabled(!paths.isEmpty());
}

void MainWindow::openRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        services_.prompter.warn(MainWindowTexts::recentFileMissing.in(ctx_.settings.language)
                                    .arg(QDir::toNativeSeparators(path)));
        recentFiles_.remove(path);
        refreshRecentFiles();
        return;
    }
    commands_->openRecent(path);
}

} // namespace r5k27
