#include "FileCommit.h"

#include "lang/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace r5k27 {
namespace {

const QByteArray kMarkerHead = "r5k27 file set\n";
const QByteArray kMarkerEnd = "end\n";

#ifdef Q_OS_WIN

int openForWrite(const QString& path, const QString&) {
    return _wopen(reinterpret_cast<const wchar_t*>(path.utf16()),
                  _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int writeSome(int fd, const char* data, qint64 size) {
    return _write(fd, data, unsigned(qMin<qint64>(size, 1 << 30)));
}
int syncFile(int fd) {
    return _commit(fd);
}
int closeFile(int fd) {
    return _close(fd);
}
void syncFolderOf(const QString&) {}
int renameOver(const QString& from, const QString& to) {
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
                    reinterpret_cast<const wchar_t*>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    switch (GetLastError()) {
    case ERROR_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    default:
        return EIO;
    }
}

#else

// A replaced file keeps the permissions of the file it replaces.
int openForWrite(const QString& path, const QString& finalPath) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    struct stat old {};
    if (fd >= 0 && ::stat(QFile::encodeName(finalPath).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    return fd;
}
ssize_t writeSome(int fd, const char* data, qint64 size) {
    return ::write(fd, data, size_t(size));
}
int syncFile(int fd) {
    return ::fsync(fd);
}
int closeFile(int fd) {
    return ::close(fd);
}
// A rename is durable only once its folder is synced. Not every file system can sync a folder;
// that is no reason to call a written file lost.
void syncFolderOf(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
int renameOver(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
               ? 0
               : errno;
}

#endif

// Writes bytes to path and syncs them; the system error number on failure (the file may then
// be partly written).
int writeSynced(const QString& path, const QByteArray& bytes, const QString& finalPath) {
    if (QFileInfo(finalPath).isDir())
        return EISDIR;
    const int fd = openForWrite(path, finalPath);
    if (fd < 0)
        return errno;
    int error = 0;
    qint64 done = 0;
    while (done < bytes.size() && !error) {
        const auto n = writeSome(fd, bytes.constData() + done, bytes.size() - done);
        if (n > 0)
            done += n;
        else if (n == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    if (!error && syncFile(fd) != 0)
        error = errno;
    if (closeFile(fd) != 0 && !error)
        error = errno;
    return error;
}

QString markerLine(const QString& markerPath, const QString& path) {
    return QString::fromLatin1(
        QUrl::toPercentEncoding(QFileInfo(markerPath).dir().relativeFilePath(path), "/"));
}

struct Marker {
    bool complete = false;
    QStringList paths;
};

std::optional<Marker> readMarker(const QString& markerPath) {
    QFile file(markerPath);
    if (!file.exists())
        return std::nullopt;
    // Anything but a regular file is no marker of ours (and a FIFO would block the open).
    Marker marker;
    if (!QFileInfo(markerPath).isFile() || !file.open(QIODevice::ReadOnly))
        return marker;
    const QByteArray content = file.readAll();
    if (!content.startsWith(kMarkerHead))
        return marker;
    marker.complete = content.endsWith(kMarkerEnd);
    const QDir dir = QFileInfo(markerPath).dir();
    const QList<QByteArray> lines = content.mid(kMarkerHead.size()).split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty() || line == "end")
            continue;
        marker.paths << QDir::cleanPath(
            dir.filePath(QString::fromUtf8(QByteArray::fromPercentEncoding(line))));
    }
    return marker;
}

void removeTemporaries(const QStringList& paths) {
    for (const QString& path : paths)
        QFile::remove(temporaryPathOf(path));
}

} // namespace

QString temporaryPathOf(const QString& path) {
    return path + kTemporarySuffix;
}

std::optional<WriteFailure> writeFileChecked(const QString& path, const QByteArray& bytes) {
    const QString temporary = temporaryPathOf(path);
    int error = writeSynced(temporary, bytes, path);
    if (!error)
        error = renameOver(temporary, path);
    if (error) {
        QFile::remove(temporary);
        return WriteFailure{path, error};
    }
    syncFolderOf(path);
    return std::nullopt;
}

std::optional<WriteFailure> stageFileSet(const QString& markerPath,
                                         const QList<FileOutput>& files) {
    QStringList written;
    const auto fail = [&](const QString& path, int error) {
        removeTemporaries(written);
        QFile::remove(markerPath);
        return WriteFailure{path, error};
    };
    QByteArray marker = kMarkerHead;
    for (const FileOutput& file : files) {
        written << file.path;
        if (const int error = writeSynced(temporaryPathOf(file.path), file.bytes, file.path))
            return fail(file.path, error);
        marker += markerLine(markerPath, file.path).toLatin1() + '\n';
    }
    marker += kMarkerEnd;
    if (const int error = writeSynced(markerPath, marker, markerPath))
        return fail(markerPath, error);
    for (const FileOutput& file : files)
        syncFolderOf(file.path);
    syncFolderOf(markerPath);
    return std::nullopt;
}

std::optional<WriteFailure> finishFileSet(const QString& markerPath) {
    const auto marker = readMarker(markerPath);
    if (!marker || !marker->complete)
        return WriteFailure{markerPath, EIO};
    for (const QString& path : marker->paths) {
        const QString temporary = temporaryPathOf(path);
        // Already renamed before an interruption.
        if (!QFileInfo::exists(temporary))
            continue;
        if (const int error = renameOver(temporary, path))
            return WriteFailure{path, error};
    }
    for (const QString& path : marker->paths)
        syncFolderOf(path);
    QFile::remove(markerPath);
    syncFolderOf(markerPath);
    return std::nullopt;
}

std::optional<WriteFailure> commitFileSet(const QString& markerPath,
                                          const QList<FileOutput>& files) {
    QStringList paths;
    for (const FileOutput& file : files)
        paths << file.path;
    recoverFileSet(markerPath, paths);
    if (auto failure = stageFileSet(markerPath, files))
        return failure;
    return finishFileSet(markerPath);
}

bool recoverFileSet(const QString& markerPath, const QStringList& paths) {
    const auto marker = readMarker(markerPath);
    if (marker && marker->complete)
        return !finishFileSet(markerPath);
    removeTemporaries(paths);
    if (marker) {
        removeTemporaries(marker->paths);
        QFile::remove(markerPath);
    }
    return true;
}

QString writeErrorText(int error, int lang) {
    struct Entry {
        int error;
        BiText text;
    };
    static const Entry kTexts[] = {
        {ENOSPC, {"No space left on device", "磁盘空间不足"}},
#ifdef EDQUOT
        {EDQUOT, {"Disk quota exceeded", "超出磁盘配额"}},
#endif
        {EFBIG, {"File too large", "文件过大"}},
        {EACCES, {"Permission denied", "没有访问权限"}},
        {EPERM, {"Operation not permitted", "不允许此操作"}},
        {EROFS, {"Read-only file system", "只读文件系统"}},
        {ENOENT, {"No such file or directory", "文件或文件夹不存在"}},
        {ENOTDIR, {"Not a directory", "路径中有一项不是文件夹"}},
        {EISDIR, {"Is a directory", "是一个文件夹"}},
        {EIO, {"Input/output error", "输入/输出错误"}},
        {ENAMETOOLONG, {"File name too long", "文件名过长"}},
    };
    for (const Entry& entry : kTexts)
        if (entry.error == error)
            return entry.text.in(lang);
    return QString::fromLocal8Bit(std::strerror(error));
}

QString writeFailureMessage(const QString& message, const WriteFailure& failure, int lang) {
    return message + u'\n' + QDir::toNativeSeparators(failure.path) + QStringLiteral(": ") +
           writeErrorText(failure.error, lang);
}

} // namespace r5k27
