#pragma once

#include "ChannelCard.h"
#include "startup/FileCommandContext.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

namespace r5k27 {

// File › Print (also the toolbar button and Ctrl+P) through the system print dialog, and
// File › Export PDF: the channel card of the document.
class PrintFeature {
public:
    PrintFeature(AppContext& ctx, FeatureHost& window, FileDialogs& dialogs, Prompter& prompter);

    void print();
    void exportPdf();
    // Writes the card as a PDF file; false (after the file-error message) when it cannot.
    bool writePdf(const QString& path);

    // Letter where the user's locale measures in inches, A4 elsewhere.
    static QPageSize defaultPageSize();

private:
    QList<CardPage> cardPages() const;
    Language lang() const { return app_.lang(); }

    FileCommandContext app_;
};

} // namespace r5k27
