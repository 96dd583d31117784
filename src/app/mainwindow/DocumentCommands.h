#pragma once

#include "DocumentStore.h"
#include "common/AppSettings.h"
#include "common/Prompter.h"
#include "image/Document.h"
#include "lang/CaptionTables.h"

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

    void newFromMenu(); // asks first
    void loadNewDoc();  // no question (toolbar, start)
    void open();
    // Open without the file dialog (a recent file), after the same save question.
    void openPath(const QString& path);
    void save();
    bool saveAs(); // true when the document was written
    void initialSetting();
    // The exit question; false keeps the program running.
    bool confirmExit();

    QString dialogFilter() const;

private:
    const QString& text(const CaptionTable& table) const;
    // Yes in the save question of Open or Exit: an untitled document goes through Save As.
    // False when the user cancelled the dialog or the write failed, so nothing is lost.
    bool saveBeforeLeaving();
    bool saveToDocPath();
    // The save question before the document is left; false when the user stays.
    bool mayLeaveDocument();
    void openFileCommand();
    void openChosenPath(const QString& path);

    Document& doc_;
    const AppSettings& settings_;
    const CaptionTables& captions_;
    Services s_;
};

} // namespace r5k27
