#include "CompareFeature.h"

#include "CompareWindow.h"
#include "RadioCommands.h"
#include "core/document/DataFile.h"
#include "core/lang/CompareTexts.h"
#include "mainwindow/MainWindow.h"
#include "startup/AppContext.h"

namespace r5k27 {

CompareFeature::CompareFeature(AppContext& ctx, MainWindow& window, Prompter& prompter,
                               RadioCommands& commands)
    : ctx_(ctx)
    , window_(window)
    , prompter_(prompter)
    , commands_(commands) {
    window.addMenuCommand(MenuItem::Program, "mnuCompareWithRadio", CompareTexts::compareWithRadio,
                          [this] { compareWithRadio(); });
    window.addFileCommand("mnuCompareWithFile", CompareTexts::compareWithFile,
                          [this] { compareWithFile(); });
}

void CompareFeature::compareWithRadio() {
    emit window_.commitPendingEdits();
    // Decoded onto the document, so values the radio does not hold compare equal.
    commands_.readForCompare([this](const Document& radio) {
        CompareWindow* w = windowFor(radio, true);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->open();
    });
}

void CompareFeature::compareWithFile() {
    emit window_.commitPendingEdits();
    const Language lang = ctx_.settings.language;
    QString title = CompareTexts::compareWithFile.in(lang);
    title.remove(QStringLiteral("…"));
    const QString path =
        window_.dialogs().openFileName(ctx_.captions.messages.dataFileFilter.in(lang), title);
    if (path.isEmpty())
        return;
    Document file;
    AppSettings settings = ctx_.settings;
    DataFileContext files{file, settings, ctx_.versions, prompter_};
    if (!openDataFile(files, path))
        return;
    CompareWindow* w = windowFor(file, false);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->open();
}

CompareWindow* CompareFeature::windowFor(const Document& other, bool radio) {
    const Document& doc = ctx_.doc;
    auto* w = new CompareWindow(documentDifferences(doc.curImage, doc.chTable, other.curImage,
                                                    other.chTable, ctx_.settings.language),
                                radio ? CompareWindow::Source::Radio : CompareWindow::Source::File,
                                ctx_.settings.language, &window_);
    w->setTake([this, other, radio] { take(other, radio); });
    if (radio)
        w->setWrite([this] { commands_.write(); });
    return w;
}

void CompareFeature::take(const Document& other, bool radio) {
    const LocalText& name = radio ? CompareTexts::takeRadioValues : CompareTexts::takeFileValues;
    ctx_.model.takeValues(other.curImage, other.chTable, name);
}

} // namespace r5k27
