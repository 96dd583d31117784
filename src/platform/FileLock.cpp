#include "FileLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace r5k27 {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
// tryLock's error for a lock file that its holder removed meanwhile: try again at once.
constexpr int kStale = -1;

#ifdef Q_OS_WIN

// Windows: the lock file stays; deleting it under other waiters' handles would fail anyway.
qintptr tryLock(const QString& path, int& error) {
    const HANDLE handle = CreateFileW(
        reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError() == ERROR_SHARING_VIOLATION ? EWOULDBLOCK : EACCES;
        return -1;
    }
    OVERLAPPED at{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        CloseHandle(handle);
        error = EWOULDBLOCK;
        return -1;
    }
    return qintptr(handle);
}

void unlock(const QString&, qintptr handle) {
    CloseHandle(HANDLE(handle));
}

#else

// Locks path once; -1 with error when held elsewhere or unusable. A lock on a file that its
// holder removed meanwhile is no lock: the next saver made a new one.
qintptr tryLock(const QString& path, int& error) {
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno == ELOOP ? EEXIST : errno;
        return -1;
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode))
        error = EEXIST;
    else if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = errno == EINTR ? kStale : errno;
    else if (::lstat(name.constData(), &named) != 0 || named.st_ino != held.st_ino ||
             named.st_dev != held.st_dev)
        error = kStale;
    else
        return fd;
    ::close(fd);
    return -1;
}

// Removed while still held, so that no waiter locks a file that is already gone unnoticed.
void unlock(const QString& path, qintptr fd) {
    ::unlink(QFile::encodeName(path).constData());
    ::close(int(fd));
}

#endif

} // namespace

std::optional<FileLock> FileLock::acquire(const QString& lockPath, std::chrono::milliseconds wait,
                                          int& error) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        error = 0;
        const qintptr handle = tryLock(lockPath, error);
        if (handle >= 0)
            return FileLock(lockPath, handle);
        if (error == kStale)
            continue;
        if (error != EWOULDBLOCK || deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(std::uint64_t(kPollInterval.count()));
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : path_(std::move(other.path_))
    , handle_(std::exchange(other.handle_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    if (handle_ >= 0)
        unlock(path_, std::exchange(handle_, -1));
}

} // namespace r5k27
