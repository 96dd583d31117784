#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

namespace r5k27 {

// What is at a path, the link itself not followed.
enum class FileKind { Missing, Regular, Directory, Link, Other };

// A lock on a file, held until this is destroyed.
class HeldLock {
public:
    virtual ~HeldLock() = default;
};

// The system calls a file commit makes, behind one interface so that a test can record their
// order. Calls that can fail return 0 or the system's error number.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;

    virtual FileKind kindOf(const QString& path) = 0;
    // What a link leads to (Missing for a dangling one); kindOf for anything else.
    virtual FileKind targetKindOf(const QString& path) = 0;
    // A regular file of this user with no other name: safe to remove as our own leftover.
    virtual bool isOwnFile(const QString& path) = 0;
    // Creates path as a new file, never opening an existing one or following a link. The new
    // file takes the permissions of modeFrom when that exists.
    virtual int createNew(const QString& path, const QString& modeFrom, int& fd) = 0;
    virtual int writeAll(int fd, const QByteArray& bytes) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const QString& from, const QString& to) = 0;
    virtual int remove(const QString& path) = 0;
    // Makes renames and removals in folder durable; quietly does nothing where it cannot.
    virtual void syncFolder(const QString& folder) = 0;
    // The content of an own regular file of at most maxBytes; nothing for anything else (a FIFO
    // is not waited for).
    virtual std::optional<QByteArray> readOwnFile(const QString& path, qint64 maxBytes) = 0;
    // An exclusive advisory lock on lockPath, waited for up to wait; nothing with the error
    // (EWOULDBLOCK when another holder kept it that long, the system's error when the lock file
    // cannot be made or is no regular file).
    virtual std::unique_ptr<HeldLock> lockFile(const QString& lockPath,
                                               std::chrono::milliseconds wait, int& error) = 0;
};

} // namespace r5k27
