#include "PrintFeature.h"

#include "ChannelCard.h"
#include "core/common/FileCommit.h"
#include "core/document/DataFile.h"
#include "core/lang/PrintTexts.h"
#include "mainwindow/MainWindow.h"
#include "startup/AppContext.h"

#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

namespace r5k27 {

PrintFeature::PrintFeature(AppContext& ctx, MainWindow& window, FileDialogs& dialogs,
                           Prompter& prompter)
    : ctx_(ctx)
    , window_(window)
    , dialogs_(dialogs)
    , prompter_(prompter) {
    window.addFileCommand(
        "mnuExportPdf", PrintTexts::exportPdf, [this] { exportPdf(); }, false);
    window.registerCommand(MenuItem::FilePrint, [this] { print(); });
}

Language PrintFeature::lang() const {
    return ctx_.settings.language;
}

QPageSize PrintFeature::defaultPageSize() {
    // The system locale, not the program's: numbers are always C, paper is the user's.
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QList<CardPage> PrintFeature::cardPages() const {
    return channelCardPages(ctx_.doc, ctx_.settings, lang(), QDate::currentDate());
}

void PrintFeature::print() {
    emit window_.commitPendingEdits();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(defaultPageSize());
    printer.setDocName(QFileInfo(ctx_.doc.docPath).fileName());
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() == QDialog::Accepted)
        printChannelCard(cardPages(), lang(), printer);
}

void PrintFeature::exportPdf() {
    emit window_.commitPendingEdits();
    const QString preset = QFileInfo(ctx_.doc.docPath).completeBaseName() + QStringLiteral(".pdf");
    const QString path = dialogs_.saveFileName(PrintTexts::pdfFilter.in(lang()), preset,
                                               PrintTexts::exportPdfTitle.in(lang()));
    if (!path.isEmpty())
        writePdf(path);
}

bool PrintFeature::writePdf(const QString& path) {
    const QList<CardPage> pages = cardPages();
    const auto failure = writeFileChecked(path, channelCardPdf(pages, lang(), defaultPageSize()));
    if (failure)
        prompter_.error(writeFailureMessage(DataFileTexts::fileError.in(lang()), *failure, lang()));
    else
        window_.showStatus(
            PrintTexts::pdfWritten.in(lang()).arg(pages.size()).arg(QFileInfo(path).fileName()));
    return !failure;
}

} // namespace r5k27
