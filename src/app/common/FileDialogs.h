#pragma once

#include <QString>

namespace r5k27 {

// The file dialogs of the program; an empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter: "label (*.dat)|*.dat"; title: what the dialog is for ("Export Channels")
    virtual QString openFileName(const QString& filter, const QString& title) = 0;
    virtual QString saveFileName(const QString& filter, const QString& preset,
                                 const QString& title) = 0;
};

} // namespace r5k27
