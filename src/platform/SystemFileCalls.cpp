#include "SystemFileCalls.h"

#include "FileLock.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace r5k27 {
namespace {

#ifdef Q_OS_WIN

const wchar_t* wide(const QString& path) {
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

int errorOfLastCall() {
    switch (GetLastError()) {
    case ERROR_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    default:
        return EIO;
    }
}

#else

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

FileKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Directory;
    if (S_ISLNK(mode))
        return FileKind::Link;
    return FileKind::Other;
}

#endif

} // namespace

#ifdef Q_OS_WIN

// Windows: links are not told apart (a reparse point counts as what it leads to), and every
// file counts as this user's.
FileKind SystemFileCalls::kindOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Directory;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
}

FileKind SystemFileCalls::targetKindOf(const QString& path) {
    return kindOf(path);
}

bool SystemFileCalls::isOwnFile(const QString& path) {
    return kindOf(path) == FileKind::Regular;
}

int SystemFileCalls::createNew(const QString& path, const QString&, int& fd) {
    fd = _wopen(wide(path), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    return fd < 0 ? errno : 0;
}

int SystemFileCalls::writeAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const int n = _write(fd, bytes.constData() + done,
                             unsigned(qMin<qint64>(bytes.size() - done, 1 << 30)));
        if (n <= 0)
            return n == 0 ? EIO : errno;
        done += n;
    }
    return 0;
}

int SystemFileCalls::sync(int fd) {
    return _commit(fd) == 0 ? 0 : errno;
}

int SystemFileCalls::close(int fd) {
    return _close(fd) == 0 ? 0 : errno;
}

int SystemFileCalls::rename(const QString& from, const QString& to) {
    return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : errorOfLastCall();
}

int SystemFileCalls::remove(const QString& path) {
    return DeleteFileW(wide(path)) ? 0 : errorOfLastCall();
}

void SystemFileCalls::syncFolder(const QString&) {}

std::optional<QByteArray> SystemFileCalls::readOwnFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (kindOf(path) != FileKind::Regular || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxBytes);
}

#else

FileKind SystemFileCalls::kindOf(const QString& path) {
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 ? kindOfMode(st.st_mode) : FileKind::Missing;
}

FileKind SystemFileCalls::targetKindOf(const QString& path) {
    struct stat st {};
    return ::stat(native(path).constData(), &st) == 0 ? kindOfMode(st.st_mode) : FileKind::Missing;
}

bool SystemFileCalls::isOwnFile(const QString& path) {
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_uid == ::geteuid() && st.st_nlink == 1;
}

// A replaced file keeps the permissions of the file it replaces.
int SystemFileCalls::createNew(const QString& path, const QString& modeFrom, int& fd) {
    fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                0666);
    if (fd < 0)
        return errno;
    struct stat old {};
    if (::stat(native(modeFrom).constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    return 0;
}

int SystemFileCalls::writeAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0)
            return EIO;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

int SystemFileCalls::sync(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}

int SystemFileCalls::close(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

int SystemFileCalls::rename(const QString& from, const QString& to) {
    return ::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

int SystemFileCalls::remove(const QString& path) {
    return ::unlink(native(path).constData()) == 0 ? 0 : errno;
}

// Not every file system can sync a folder; that is no reason to call a written file lost.
void SystemFileCalls::syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::optional<QByteArray> SystemFileCalls::readOwnFile(const QString& path, qint64 maxBytes) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> content;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
        QByteArray bytes(maxBytes, Qt::Uninitialized);
        qint64 done = 0;
        ssize_t n = 0;
        while (done < maxBytes &&
               (n = ::read(fd, bytes.data() + done, size_t(maxBytes - done))) != 0) {
            if (n < 0 && errno != EINTR)
                break;
            done += qMax<ssize_t>(n, 0);
        }
        if (n >= 0) {
            bytes.truncate(done);
            content = bytes;
        }
    }
    ::close(fd);
    return content;
}

#endif

namespace {

struct HeldFileLock : HeldLock {
    explicit HeldFileLock(FileLock held)
        : lock(std::move(held)) {}
    FileLock lock;
};

} // namespace

std::unique_ptr<HeldLock> SystemFileCalls::lockFile(const QString& lockPath,
                                                    std::chrono::milliseconds wait, int& error) {
    auto lock = FileLock::acquire(lockPath, wait, error);
    if (!lock)
        return nullptr;
    return std::make_unique<HeldFileLock>(std::move(*lock));
}

FileSystemCalls& systemFileCalls() {
    static SystemFileCalls calls;
    return calls;
}

} // namespace r5k27
