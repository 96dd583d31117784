#pragma once

#include "common/FileDialogs.h"
#include "core/document/InitialValues.h"

#include <QString>

namespace r5k27 {

// What the document commands need of the data-file module. Each operation reports its own
// failures to the user; the commands only learn whether it worked.
class DocumentStore {
public:
    virtual ~DocumentStore() = default;

    // True when the working document differs from the last-saved copy.
    virtual bool isModified() const = 0;
    // Reads the data file with all its checks; true when the document was replaced.
    virtual bool open(const QString& path) = 0;
    // Writes the document and its channel file; true when the data file was written.
    virtual bool save(const QString& path) = 0;
    // Loads the installed default file of that kind; a missing file leaves the document as is.
    virtual void loadDefault(DefaultFileKind kind) = 0;
};

// What the commands ask of the window around the document.
class DocumentShell {
public:
    virtual ~DocumentShell() = default;
    virtual void closeAllChildren() = 0;
    virtual void showChannelWindow() = 0;
    virtual void cascadeChildren() = 0;
    virtual void applyLanguageTexts() = 0;
    virtual void refreshCaption() = 0;
    // Open editors store what is still being typed, before the document is saved or compared.
    virtual void commitEditsInProgress() {}
    // A new document took the place of the old one (new, open, initial setting).
    virtual void documentReplaced() {}
    // The document was opened from or saved to this data file.
    virtual void documentFileUsed(const QString& path) { Q_UNUSED(path); }
};

} // namespace r5k27
