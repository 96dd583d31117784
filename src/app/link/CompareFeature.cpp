#include "CompareFeature.h"

#include "CompareWindow.h"
#include "RadioCommands.h"
#include "common/FeatureHost.h"
#include "common/HelpKey.h"
#include "core/document/DataFile.h"
#include "core/link/MemoryMap.h"
#include "core/link/RadioDiff.h"
#include "help/HelpCaptions.h"
#include "link/CompareTexts.h"
#include "platform/SystemFileCommit.h"
#include "startup/AppContext.h"

namespace r5k27 {

CompareFeature::CompareFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
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
    window_.commitEditsInProgress();
    // Decoded onto the document, so values the radio does not hold compare equal.
    commands_.readForCompare([this](const Document& radio) {
        CompareWindow* w = windowFor(radio, true);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->open();
    });
}

void CompareFeature::compareWithFile() {
    window_.commitEditsInProgress();
    const Language lang = ctx_.settings.language;
    QString title = CompareTexts::compareWithFile.in(lang);
    title.remove(QStringLiteral("…"));
    const QString path =
        window_.dialogs().openFileName(ctx_.captions.messages.dataFileFilter.in(lang), title);
    if (path.isEmpty())
        return;
    Document file;
    AppSettings settings = ctx_.settings;
    DataFileContext files{file, settings, ctx_.versions, prompter_, systemFileCalls()};
    if (!openDataFile(files, path))
        return;
    CompareWindow* w = windowFor(file, false);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->open();
}

CompareWindow* CompareFeature::windowFor(const Document& other, bool radio) {
    const Document& doc = ctx_.doc;
    auto* w = new CompareWindow(radioDifferences(doc.curImage, doc.chTable, other.curImage,
                                                 other.chTable, ctx_.settings.language),
                                radio ? CompareWindow::Source::Radio : CompareWindow::Source::File,
                                ctx_.settings.language, window_.widget());
    w->setTake([this, other, radio] { take(other, radio); });
    addHelpKey(*w, [this, w] { window_.showHelp(QString::fromLatin1(HelpCaptions::kCompare), w); });
    if (radio)
        w->setWrite([this] { commands_.write(); });
    return w;
}

void CompareFeature::take(const Document& other, bool radio) {
    const LocalText& name = radio ? CompareTexts::takeRadioValues : CompareTexts::takeFileValues;
    ctx_.model.takeValues(other.curImage, other.chTable, name);
}

} // namespace r5k27
