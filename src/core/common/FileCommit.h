#pragma once

#include "FileSystemCalls.h"
#include "core/lang/Language.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

namespace r5k27 {

// Every file the program writes goes through here, so that no failure at any step (open, write,
// sync, close, rename) goes unseen, and a failed write leaves the old file exactly as it was
// and no temporary behind.
//
// Each file is written in full under a temporary name beside it (its path plus
// kTemporarySuffix) and synced to the disk before it replaces the file by a rename. A set of
// files in one folder is replaced as one: once every temporary is synced, a small marker file
// is written and synced, naming the files of the set; then the folder is synced, the renames
// follow, the folder is synced again and the marker is removed. A marker is complete only with
// its closing line, so a torn marker counts as none. After a crash, recoverFileSet() finishes a
// set whose marker is complete (roll forward) and discards the temporaries of a set without
// one, so the files are then either all old or all new.
//
// Against other processes and planted files:
// - Every write (one file or a set) holds an exclusive advisory lock on a lock file beside its
//   main file (kLockSuffix, removed afterwards) from before it looks at any temporary until the
//   marker is gone; a second writer of the same file waits up to saveLockWait() and then fails
//   with kBeingSaved. Recovery on open takes the same lock whenever anything of a save is
//   present, so it never takes away a running save's temporaries. Programs that ignore the lock
//   are not held back; without a lock file of its own (a read-only folder) a write goes on.
// - A temporary is always created new (never opened when it exists, never through a link), so a
//   link or a FIFO planted at its name is not followed: the write fails naming the temporary. A
//   leftover temporary or marker is removed only when it is a regular file of this user with
//   no other name.
// - A marker names files only within its own folder, and recovery accepts only the names of
//   the set it is asked about; a marker naming anything else, or not this user's, is removed
//   with the set's own temporaries and nothing else is touched. Other outputs of a commit
//   (alsoWrite) are never in the marker.
// - An output that is a folder, a FIFO or a device, or a link to one, is refused. A link to a
//   regular file is replaced by the new file; the file it led to is left alone.

// Why a write failed: the file and the system's error number, or one of the program's own
// below (0 when unknown).
struct WriteFailure {
    QString path;
    int error = 0;
};

// The output exists and is no regular file.
inline constexpr int kNotRegularFile = -2;
// Another program holds the lock of the output's set.
inline constexpr int kBeingSaved = -3;

struct FileOutput {
    QString path;
    QByteArray bytes;
};

inline const QString kTemporarySuffix = QStringLiteral(".r5k27-new");
inline const QString kMarkerSuffix = QStringLiteral(".r5k27-commit");
inline const QString kLockSuffix = QStringLiteral(".r5k27-lock");

QString temporaryPathOf(const QString& path);
// The marker of the set whose main file is path.
QString markerPathOf(const QString& path);

// How long a save waits for another program's save of the same files.
std::chrono::milliseconds saveLockWait();
void setSaveLockWait(std::chrono::milliseconds wait);

// Writes one file atomically; nothing on success.
std::optional<WriteFailure> writeFileChecked(const QString& path, const QByteArray& bytes,
                                             FileSystemCalls& fs);

// Replaces all files or none; the marker is markerPath (markerPathOf the set's main file, the
// one whose reader calls recoverFileSet) and every file lies in its folder. alsoWrite are
// written with the set, or not at all when it fails before its renames, and renamed after it;
// they may lie anywhere but are not rolled forward after a crash. Paths must be distinct. An
// earlier interrupted set under the same marker is recovered first.
std::optional<WriteFailure> commitFileSet(const QString& markerPath, const QList<FileOutput>& files,
                                          const QList<FileOutput>& alsoWrite, FileSystemCalls& fs);

// commitFileSet up to a complete marker, without the renames: a crash after it, staged.
std::optional<WriteFailure> stageFileSet(const QString& markerPath, const QList<FileOutput>& files,
                                         FileSystemCalls& fs);

// Before reading any file of the set of paths (in markerPath's folder): completes it when its
// complete marker names only files of it, else removes the marker and the set's own
// temporaries. A failure names the file when a complete marker remains because a rename failed
// again (the files may not belong together), or the set when another program is saving it.
std::optional<WriteFailure> recoverFileSet(const QString& markerPath, const QStringList& paths,
                                           FileSystemCalls& fs);

// "No space left on device" / "磁盘空间不足" and the like for an error number.
QString writeErrorText(int error, Language lang);
// The program's own message, then a line naming the file and why it could not be written; for
// kBeingSaved only "car.dat is being saved by another program.".
QString writeFailureMessage(const QString& message, const WriteFailure& failure, Language lang);

} // namespace r5k27
