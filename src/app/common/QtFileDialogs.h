#pragma once

#include "FileDialogs.h"

namespace r5k27 {

class FolderMemory;

// "Data File (*.dat)|*.dat" -> "Data File (*.dat)": descriptions of the description|pattern
// pairs, joined the way Qt's dialogs take them; a description without its pattern gets it added.
QString qtFileFilter(const QString& pairedFilter);
// The extension of the filter's first pattern ("csv" for "...|*.csv"); "dat" when it has none.
QString defaultSuffixOf(const QString& pairedFilter);

// The platform's file dialogs; saving adds the filter's extension when the name has none. With
// a folder memory the dialogs start in the folder last chosen.
class QtFileDialogs : public FileDialogs {
public:
    void setFolderMemory(FolderMemory* memory) { memory_ = memory; }

    QString openFileName(const QString& filter, const QString& title) override;
    QString saveFileName(const QString& filter, const QString& preset,
                         const QString& title) override;

private:
    FolderMemory* memory_ = nullptr;
};

} // namespace r5k27
