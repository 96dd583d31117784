#include "DocumentCommands.h"

#include "Caption.h"

namespace r5k27 {

DocumentCommands::DocumentCommands(Document& doc, const AppSettings& settings,
                                   const CaptionTables& captions, const Services& services)
    : doc_(doc)
    , settings_(settings)
    , captions_(captions)
    , s_(services) {}

QString DocumentCommands::text(const LocalText& table) const {
    return table.in(settings_.language);
}

QString DocumentCommands::dialogFilter() const {
    return text(captions_.messages.dataFileFilter);
}

QString DocumentCommands::dialogTitle(MenuItem command) const {
    return withoutAccelerator(captions_.menuText(command, settings_.language));
}

void DocumentCommands::newFromMenu() {
    newDocument(true);
}

void DocumentCommands::newFromToolbar() {
    newDocument(false);
}

void DocumentCommands::newDocument(bool askWhenUnchanged) {
    s_.shell.commitEditsInProgress();
    if (s_.store.isModified()) {
        // One question: what will go, and the chance to keep it.
        const QString question = text(captions_.messages.allDataCleared) + u'\n' +
                                 text(captions_.messages.fileModifiedSaveNow);
        if (!askToSave(question))
            return;
    } else if (askWhenUnchanged &&
               s_.prompter.ask(text(captions_.messages.allDataCleared), Buttons::OkCancel,
                               Icon::Warning) != Answer::Ok) {
        return;
    }
    loadNewDoc();
}

void DocumentCommands::loadNewDoc() {
    s_.shell.closeAllChildren();
    s_.store.loadDefault(DefaultFileKind::New);
    // A new document has no file of its own, so a later Save cannot overwrite the one before.
    doc_.docPath = kUntitledDocPath;
    doc_.docUntitled = true;
    s_.shell.documentReplaced();
    s_.shell.applyLanguageTexts();
    s_.shell.showChannelWindow();
    s_.shell.refreshCaption();
    s_.shell.cascadeChildren();
}

void DocumentCommands::open() {
    if (mayReplaceDocument())
        openFileCommand();
}

void DocumentCommands::openRecent(const QString& path) {
    if (mayReplaceDocument())
        openPath(path);
}

void DocumentCommands::openFileCommand() {
    const QString path = s_.dialogs.openFileName(dialogFilter(), dialogTitle(MenuItem::FileOpen));
    if (!path.isEmpty())
        openPath(path);
}

bool DocumentCommands::openPath(const QString& path) {
    const QString previous = doc_.docPath;
    doc_.docPath = path;
    // A file that cannot be read leaves the document, and so the windows showing it, as it was.
    if (!s_.store.open(path)) {
        doc_.docPath = previous;
        return false;
    }
    s_.shell.closeAllChildren();
    doc_.docUntitled = false;
    s_.shell.documentReplaced();
    s_.shell.documentFileUsed(path);
    s_.shell.showChannelWindow();
    s_.shell.refreshCaption();
    s_.shell.applyLanguageTexts();
    s_.shell.cascadeChildren();
    return true;
}

void DocumentCommands::save() {
    s_.shell.commitEditsInProgress();
    if (doc_.docUntitled) {
        saveAs();
        return;
    }
    const QString question =
        u'"' + fileNameOfPath(doc_.docPath) + u'"' + text(captions_.messages.overwriteContinue);
    if (s_.prompter.ask(question, Buttons::OkCancel, Icon::Question) == Answer::Ok)
        saveToDocPath();
}

bool DocumentCommands::saveAs() {
    s_.shell.commitEditsInProgress();
    const QString path =
        s_.dialogs.saveFileName(dialogFilter(), doc_.docPath, dialogTitle(MenuItem::FileSaveAs));
    if (path.isEmpty())
        return false;
    const QString previous = doc_.docPath;
    doc_.docPath = path;
    if (saveToDocPath())
        return true;
    doc_.docPath = previous;
    return false;
}

bool DocumentCommands::saveToDocPath() {
    if (!s_.store.save(doc_.docPath))
        return false;
    doc_.docUntitled = false;
    s_.shell.documentFileUsed(doc_.docPath);
    s_.shell.refreshCaption();
    return true;
}

bool DocumentCommands::saveBeforeLeaving() {
    return doc_.docUntitled ? saveAs() : saveToDocPath();
}

void DocumentCommands::initialSetting() {
    // Factory values replace the whole document, so unsaved edits get the same chance as on Open.
    if (!mayReplaceDocument())
        return;
    s_.shell.closeAllChildren();
    s_.store.loadDefault(DefaultFileKind::Factory);
    // Like New: the factory document is no longer the opened file, and Save must not say so.
    doc_.docPath = kUntitledDocPath;
    doc_.docUntitled = true;
    s_.shell.documentReplaced();
    s_.shell.showChannelWindow();
    s_.shell.refreshCaption();
    s_.shell.cascadeChildren();
}

bool DocumentCommands::confirmExit() {
    return mayReplaceDocument();
}

bool DocumentCommands::mayReplaceDocument() {
    s_.shell.commitEditsInProgress();
    if (!s_.store.isModified())
        return true;
    return askToSave(text(captions_.messages.fileModifiedSaveNow));
}

bool DocumentCommands::askToSave(const QString& question) {
    switch (s_.prompter.ask(question, Buttons::YesNoCancel, Icon::Warning)) {
    case Answer::Yes:
        return saveBeforeLeaving();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace r5k27
