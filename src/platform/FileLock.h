#pragma once

#include <QString>
#include <chrono>
#include <optional>

namespace r5k27 {

// An exclusive advisory lock on a lock file, held while the object lives; other programs that
// lock the same file (every copy of this one) wait for it. The lock file is removed on release.
class FileLock {
public:
    // Waits up to wait for the lock on lockPath. Nothing when another holder kept it that long
    // (error EWOULDBLOCK) or the lock file cannot be made or is no regular file (its error).
    static std::optional<FileLock> acquire(const QString& lockPath, std::chrono::milliseconds wait,
                                           int& error);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

private:
    void release();

    FileLock(const QString& path, qintptr handle)
        : path_(path)
        , handle_(handle) {}

    QString path_;
    qintptr handle_ = -1;
};

} // namespace r5k27
