#pragma once

#include "ChannelCard.h"
#include "core/lang/Language.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

namespace r5k27 {

struct AppContext;
class FileDialogs;
class MainWindow;
class Prompter;

// File › Print (also the toolbar button and Ctrl+P) through the system print dialog, and
// File › Export PDF: the channel card of the document.
class PrintFeature {
public:
    PrintFeature(AppContext& ctx, MainWindow& window, FileDialogs& dialogs, Prompter& prompter);

    void print();
    void exportPdf();
    // Writes the card as a PDF file; false (after the file-error message) when it cannot.
    bool writePdf(const QString& path);

    // Letter where the user's locale measures in inches, A4 elsewhere.
    static QPageSize defaultPageSize();

private:
    QList<CardPage> cardPages() const;
    Language lang() const;

    AppContext& ctx_;
    MainWindow& window_;
    FileDialogs& dialogs_;
    Prompter& prompter_;
};

} // namespace r5k27
