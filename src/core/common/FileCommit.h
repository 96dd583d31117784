#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace r5k27 {

// Every file the program writes goes through here, so that no failure at any step (open, write,
// sync, close, rename) goes unseen, and a failed write leaves the old file exactly as it was
// and no temporary behind.
//
// Each file is written in full under a temporary name beside it (its path plus
// kTemporarySuffix) and synced to the disk before it replaces the file by a rename. A set of
// several files is replaced as one: once every temporary is synced, a small marker file is
// written and synced, naming the files of the set; then the renames follow and the marker is
// removed. A marker is complete only with its closing line, so a torn marker counts as none.
// After a crash, recoverFileSet() finishes a set whose marker is complete (roll forward) and
// discards the temporaries of a set without one, so the files are then either all old or
// all new.

// Why a write failed: the file and the system's error number (0 when not from the system).
struct WriteFailure {
    QString path;
    int error = 0;
};

struct FileOutput {
    QString path;
    QByteArray bytes;
};

inline const QString kTemporarySuffix = QStringLiteral(".r5k27-new");

QString temporaryPathOf(const QString& path);

// Writes one file atomically; nothing on success.
std::optional<WriteFailure> writeFileChecked(const QString& path, const QByteArray& bytes);

// Replaces all files or none; the marker is markerPath (beside the set's main file, the one
// whose reader calls recoverFileSet). Paths must be distinct. An earlier interrupted set under
// the same marker is recovered first.
std::optional<WriteFailure> commitFileSet(const QString& markerPath,
                                          const QList<FileOutput>& files);

// The two halves of commitFileSet, apart only so a crash between them can be staged.
// stageFileSet writes and syncs every temporary and the complete marker (nothing is left on a
// failure); finishFileSet renames whatever the marker names and removes it.
std::optional<WriteFailure> stageFileSet(const QString& markerPath, const QList<FileOutput>& files);
std::optional<WriteFailure> finishFileSet(const QString& markerPath);

// Before reading any file of a set: completes a set whose complete marker is present, else
// removes the temporaries of the given paths (and of a torn marker) and the marker. False when
// a complete marker remains because its renames failed again: the files may not belong
// together.
bool recoverFileSet(const QString& markerPath, const QStringList& paths);

// "No space left on device" / "磁盘空间不足" and the like for a system error number.
QString writeErrorText(int error, int lang);
// The program's own message, then a line naming the file and why it could not be written.
QString writeFailureMessage(const QString& message, const WriteFailure& failure, int lang);

} // namespace r5k27
