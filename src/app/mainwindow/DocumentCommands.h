#pragma once

#include "DocumentStore.h"
#include "common/CaptionTables.h"
#include "core/common/AppSettings.h"
#include "core/common/Prompter.h"
#include "core/document/Document.h"
#include "core/lang/Language.h"

namespace r5k27 {

// New, Open, Save, Save As, Initial Setting and the exit question, with their prompts.
// Free of widgets so the questions can be driven by scripted answers.
class DocumentCommands {
public:
    struct Services {
        DocumentStore& store;
        FileDialogs& dialogs;
        Prompter& prompter;
        DocumentShell& shell;
    };

    DocumentCommands(Document& doc, const AppSettings& settings, const CaptionTables& captions,
                     const Services& services);

    // New asks before unsaved changes go (Yes saves first); from the menu it also asks when
    // there are none, as the data is cleared all the same.
    void newFromMenu();
    void newFromToolbar();
    void loadNewDoc(); // no question (start, after a radio operation)
    void open();
    // Open without the dialog and without asking first (a file named at start); every check
    // and message of Open applies. False leaves the document as it was.
    bool openPath(const QString& path);
    // Open without the file dialog (a recent file), after the same save question as Open.
    void openRecent(const QString& path);
    void save();
    bool saveAs(); // true when the document was written
    // Factory values, after the unsaved-changes question; the result is untitled.
    void initialSetting();
    // The exit question; false keeps the program running.
    bool confirmExit();
    // The unsaved-changes question of Open, Exit and a radio read (Yes saves first); false when
    // the user backs out.
    bool mayReplaceDocument();

    QString dialogFilter() const;
    // A file dialog is titled by the command that shows it.
    QString dialogTitle(MenuItem command) const;

private:
    QString text(const LocalText& table) const;
    // Yes in the save question of Open or Exit: an untitled document goes through Save As.
    // False when the user cancelled the dialog or the write failed, so nothing is lost.
    bool saveBeforeLeaving();
    // Yes/No/Cancel on unsaved changes; Yes saves first. False when the user backs out.
    bool askToSave(const QString& question);
    void newDocument(bool askWhenUnchanged);
    bool saveToDocPath();
    void openFileCommand();

    Document& doc_;
    const AppSettings& settings_;
    const CaptionTables& captions_;
    Services s_;
};

} // namespace r5k27
