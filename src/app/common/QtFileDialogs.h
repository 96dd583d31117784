#pragma once

#include "mainwindow/DocumentStore.h"

namespace r5k27 {

// "Data File (*.dat)|*.dat" -> "Data File (*.dat)": descriptions of the description|pattern
// pairs, joined the way Qt's dialogs take them; a description without its pattern gets it added.
QString qtFileFilter(const QString& pairedFilter);

// The platform's file dialogs; saving adds ".dat" when the name has no extension.
class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, const QString& preset) override;
};

} // namespace r5k27
