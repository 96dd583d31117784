#include "PrintFeature.h"

#include "ChannelCard.h"
#include "common/FeatureHost.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"
#include "print/PrintTexts.h"
#include "startup/AppContext.h"

#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

namespace r5k27 {

PrintFeature::PrintFeature(AppContext& ctx, FeatureHost& window, FileDialogs& dialogs,
                           Prompter& prompter)
    : app_{ctx, window, dialogs, prompter} {
    window.addFileCommand(
        "mnuExportPdf", PrintTexts::exportPdf, [this] { exportPdf(); }, false);
    window.registerCommand(MenuItem::FilePrint, [this] { print(); });
}

QPageSize PrintFeature::defaultPageSize() {
    // The system locale, not the program's: numbers are always C, paper is the user's.
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QList<CardPage> PrintFeature::cardPages() const {
    return channelCardPages(app_.ctx.doc, app_.ctx.settings, lang(), QDate::currentDate());
}

void PrintFeature::print() {
    app_.window.commitEditsInProgress();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(defaultPageSize());
    printer.setDocName(QFileInfo(app_.ctx.doc.docPath).fileName());
    QPrintDialog dialog(&printer, app_.window.widget());
    if (dialog.exec() == QDialog::Accepted)
        printChannelCard(cardPages(), lang(), printer);
}

void PrintFeature::exportPdf() {
    app_.window.commitEditsInProgress();
    const QString preset =
        QFileInfo(app_.ctx.doc.docPath).completeBaseName() + QStringLiteral(".pdf");
    const QString path = app_.dialogs.saveFileName(PrintTexts::pdfFilter.in(lang()), preset,
                                                   PrintTexts::exportPdfTitle.in(lang()));
    if (!path.isEmpty())
        writePdf(path);
}

bool PrintFeature::writePdf(const QString& path) {
    // The sheets the file has: a page of the card runs on to more where its tables do not fit.
    int sheets = 0;
    const QByteArray pdf = channelCardPdf(cardPages(), lang(), defaultPageSize(), &sheets);
    const auto failure = writeFileChecked(path, pdf);
    if (failure)
        app_.prompter.error(
            writeFailureMessage(DataFileTexts::fileError.in(lang()), *failure, lang()));
    else
        app_.window.showStatus(
            PrintTexts::pdfWritten.in(lang()).arg(sheets).arg(QFileInfo(path).fileName()));
    return !failure;
}

} // namespace r5k27
