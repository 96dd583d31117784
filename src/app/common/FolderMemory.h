#pragma once

#include <QString>

namespace r5k27 {

class UserSettingsStore;

// The folder of the file last chosen in a file dialog, kept per user, so the next dialog starts
// there rather than in whatever the working folder happens to be.
class FolderMemory {
public:
    explicit FolderMemory(UserSettingsStore& store);

    // The remembered folder; empty when there is none or it no longer exists.
    QString folder() const;
    void remember(const QString& chosenPath);
    // Where a save dialog starts: a preset without a folder of its own ("new.dat") is put into
    // the remembered folder; a full path stays as it is.
    QString startPath(const QString& preset) const;

private:
    UserSettingsStore& store_;
};

} // namespace r5k27
