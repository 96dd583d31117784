#include "FileCommit.h"

#include "CommitMarker.h"
#include "core/lang/Language.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace r5k27 {
namespace {

// Anything larger is no marker of ours.
constexpr qint64 kMarkerMaxBytes = 64 * 1024;

std::chrono::milliseconds lockWait{5000};

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

QString mainPathOf(const QString& markerPath) {
    return markerPath.endsWith(kMarkerSuffix) ? markerPath.chopped(kMarkerSuffix.size())
                                              : markerPath;
}

QStringList pathsOf(const QList<FileOutput>& files) {
    QStringList paths;
    for (const FileOutput& file : files)
        paths << file.path;
    return paths;
}

// One save or recovery of the files beside one main file, under that file's lock.
class FileSet {
public:
    FileSet(FileSystemCalls& fs, const QString& mainPath)
        : fs_(fs)
        , mainPath_(mainPath) {}

    // The set's lock; a failure when another program holds it or it cannot be had. Whatever is
    // in the way of the lock file (a folder, a FIFO, a link) is named; a folder that takes no
    // new file names the file being saved, as its first temporary would.
    std::optional<WriteFailure> lock() {
        int error = 0;
        lock_ = fs_.lockFile(mainPath_ + kLockSuffix, lockWait, error);
        if (lock_)
            return std::nullopt;
        if (error == EWOULDBLOCK)
            return WriteFailure{mainPath_, kBeingSaved};
        if (error == EACCES || error == EROFS || error == ENOENT || error == ENOTDIR)
            return WriteFailure{mainPath_, error};
        const QString lockPath = mainPath_ + kLockSuffix;
        switch (fs_.kindOf(lockPath)) {
        case FileKind::Directory:
            return WriteFailure{lockPath, EISDIR};
        case FileKind::Link:
            return WriteFailure{lockPath, EEXIST};
        case FileKind::Other:
            return WriteFailure{lockPath, kNotRegularFile};
        case FileKind::Missing:
        case FileKind::Regular:
            break;
        }
        return WriteFailure{lockPath, error ? error : kNotRegularFile};
    }

    // Refuses an output that no rename could rightly replace.
    std::optional<WriteFailure> checkOutput(const QString& path) {
        FileKind kind = fs_.kindOf(path);
        if (kind == FileKind::Link)
            kind = fs_.targetKindOf(path);
        if (kind == FileKind::Directory)
            return WriteFailure{path, EISDIR};
        if (kind == FileKind::Other)
            return WriteFailure{path, kNotRegularFile};
        return std::nullopt;
    }

    // Writes and syncs bytes as a new file at path, first removing our own leftover there.
    std::optional<WriteFailure> writeNew(const QString& path, const QByteArray& bytes,
                                         const QString& finalPath) {
        if (fs_.kindOf(path) != FileKind::Missing) {
            if (!fs_.isOwnFile(path))
                return WriteFailure{path, EEXIST};
            fs_.remove(path);
        }
        int fd = -1;
        // Only something in the way of the temporary is the temporary's fault.
        if (const int error = fs_.createNew(path, finalPath, fd))
            return WriteFailure{error == EEXIST || error == ELOOP ? path : finalPath,
                                error == ELOOP ? EEXIST : error};
        created_ << path;
        int error = fs_.writeAll(fd, bytes);
        if (!error)
            error = fs_.sync(fd);
        if (const int closed = fs_.close(fd); closed && !error)
            error = closed;
        if (error)
            return WriteFailure{finalPath, error};
        return std::nullopt;
    }

    std::optional<WriteFailure> writeTemporaries(const QList<FileOutput>& files) {
        for (const FileOutput& file : files) {
            if (auto failure = checkOutput(file.path))
                return failure;
            if (auto failure = writeNew(temporaryPathOf(file.path), file.bytes, file.path))
                return failure;
        }
        return std::nullopt;
    }

    // A temporary swapped for a link or anything else since it was written must not be renamed
    // into place; checked for all before the first rename, so the set is not left half done.
    std::optional<WriteFailure> checkTemporaries(const QStringList& paths) {
        for (const QString& path : paths)
            if (!fs_.isOwnFile(temporaryPathOf(path)))
                return WriteFailure{temporaryPathOf(path), EEXIST};
        return std::nullopt;
    }

    std::optional<WriteFailure> renameTemporaries(const QStringList& paths) {
        if (auto failure = checkTemporaries(paths))
            return failure;
        for (const QString& path : paths) {
            if (const int error = fs_.rename(temporaryPathOf(path), path))
                return WriteFailure{path, error};
            created_.removeOne(temporaryPathOf(path));
        }
        return std::nullopt;
    }

    // Removes what this save created and did not rename; the failure passes through. What took
    // the place of one of them is not ours to remove.
    WriteFailure undo(const WriteFailure& failure) {
        for (const QString& path : std::as_const(created_))
            removeOwn(path);
        created_.clear();
        return failure;
    }

    // Removes the temporaries of paths that this save made.
    void discard(const QStringList& paths) {
        for (const QString& path : paths)
            if (created_.removeOne(temporaryPathOf(path)))
                removeOwn(temporaryPathOf(path));
    }

    // A removal that cannot harm another's file: only our own regular files go.
    void removeOwn(const QString& path) {
        if (fs_.isOwnFile(path))
            fs_.remove(path);
    }

    // Whether anything of an earlier save may be there: only then is recovery worth the lock.
    bool anyTrace(const QString& markerPath, const QStringList& paths) {
        QStringList traces{markerPath, mainPath_ + kLockSuffix};
        for (const QString& path : paths)
            traces << temporaryPathOf(path);
        for (const QString& trace : traces)
            if (fs_.kindOf(trace) != FileKind::Missing)
                return true;
        return false;
    }

    // Recovery with the lock held (or not to be had).
    std::optional<WriteFailure> recover(const QString& markerPath, const QStringList& paths) {
        const QString folder = folderOf(markerPath);
        QStringList names;
        for (const QString& path : paths)
            if (folderOf(path) == folder)
                names << QFileInfo(path).fileName();
        std::optional<QStringList> marked;
        if (fs_.kindOf(markerPath) != FileKind::Missing)
            if (const auto content = fs_.readOwnFile(markerPath, kMarkerMaxBytes))
                marked = parseCommitMarker(*content, names);
        if (marked && !anyForeignTemporary(folder, *marked))
            return rollForward(markerPath, *marked);
        if (marked && anyRenamed(folder, *marked))
            return foreignTemporary(folder, *marked);
        for (const QString& name : names)
            removeOwn(temporaryPathOf(QDir(folder).filePath(name)));
        removeOwn(markerPath);
        return std::nullopt;
    }

    // The first temporary of the named files that is there but no regular file of ours: a set
    // holding one is never rolled forward.
    std::optional<WriteFailure> foreignTemporary(const QString& folder, const QStringList& names) {
        for (const QString& name : names) {
            const QString temporary = temporaryPathOf(QDir(folder).filePath(name));
            if (fs_.kindOf(temporary) != FileKind::Missing && !fs_.isOwnFile(temporary))
                return WriteFailure{temporary, EEXIST};
        }
        return std::nullopt;
    }

    bool anyForeignTemporary(const QString& folder, const QStringList& names) {
        return foreignTemporary(folder, names).has_value();
    }

    // Whether the interrupted save renamed some of its files already: then undoing it is no
    // longer possible, and only a report is left.
    bool anyRenamed(const QString& folder, const QStringList& names) {
        for (const QString& name : names)
            if (fs_.kindOf(temporaryPathOf(QDir(folder).filePath(name))) == FileKind::Missing)
                return true;
        return false;
    }

    // Renames what a complete marker names, every temporary a regular file of ours; a temporary
    // already gone was renamed before.
    std::optional<WriteFailure> rollForward(const QString& markerPath, const QStringList& names) {
        const QDir folder(folderOf(markerPath));
        for (const QString& name : names) {
            const QString path = folder.filePath(name);
            const QString temporary = temporaryPathOf(path);
            if (fs_.kindOf(temporary) == FileKind::Missing)
                continue;
            if (auto failure = checkOutput(path))
                return failure;
            if (const int error = fs_.rename(temporary, path))
                return WriteFailure{path, error};
        }
        fs_.syncFolder(folder.absolutePath());
        fs_.remove(markerPath);
        fs_.syncFolder(folder.absolutePath());
        return std::nullopt;
    }

    // Every temporary and the complete marker, synced; nothing is left on a failure.
    std::optional<WriteFailure> stage(const QString& markerPath, const QList<FileOutput>& files,
                                      const QList<FileOutput>& alsoWrite) {
        const QString folder = folderOf(markerPath);
        QStringList names;
        for (const FileOutput& file : files) {
            if (folderOf(file.path) != folder)
                return WriteFailure{file.path, EINVAL};
            names << QFileInfo(file.path).fileName();
        }
        if (auto failure = recover(markerPath, pathsOf(files)))
            return failure;
        if (auto failure = writeTemporaries(files + alsoWrite))
            return undo(*failure);
        if (auto failure = writeNew(markerPath, commitMarkerText(names), markerPath))
            return undo(*failure);
        fs_.syncFolder(folder);
        return std::nullopt;
    }

private:
    FileSystemCalls& fs_;
    QString mainPath_;
    std::unique_ptr<HeldLock> lock_;
    // Temporaries and marker made by this save and not yet renamed.
    QStringList created_;
};

} // namespace

QString temporaryPathOf(const QString& path) {
    return path + kTemporarySuffix;
}

QString markerPathOf(const QString& path) {
    return path + kMarkerSuffix;
}

std::chrono::milliseconds saveLockWait() {
    return lockWait;
}

void setSaveLockWait(std::chrono::milliseconds wait) {
    lockWait = wait;
}

std::optional<WriteFailure> writeFileChecked(const QString& path, const QByteArray& bytes,
                                             FileSystemCalls& fs) {
    FileSet set(fs, path);
    if (auto failure = set.lock())
        return failure;
    if (auto failure = set.writeTemporaries({{path, bytes}}))
        return set.undo(*failure);
    if (auto failure = set.renameTemporaries({path}))
        return set.undo(*failure);
    fs.syncFolder(folderOf(path));
    return std::nullopt;
}

std::optional<WriteFailure> stageFileSet(const QString& markerPath, const QList<FileOutput>& files,
                                         FileSystemCalls& fs) {
    FileSet set(fs, mainPathOf(markerPath));
    if (auto failure = set.lock())
        return failure;
    return set.stage(markerPath, files, {});
}

std::optional<WriteFailure> commitFileSet(const QString& markerPath, const QList<FileOutput>& files,
                                          const QList<FileOutput>& alsoWrite, FileSystemCalls& fs) {
    FileSet set(fs, mainPathOf(markerPath));
    if (auto failure = set.lock())
        return failure;
    if (auto failure = set.stage(markerPath, files, alsoWrite))
        return failure;
    // From here the marker stands: a failed rename is finished by the next recovery.
    const QString folder = folderOf(markerPath);
    if (auto failure = set.renameTemporaries(pathsOf(files))) {
        set.discard(pathsOf(alsoWrite));
        return failure;
    }
    fs.syncFolder(folder);
    fs.remove(markerPath);
    fs.syncFolder(folder);
    if (auto failure = set.renameTemporaries(pathsOf(alsoWrite))) {
        set.discard(pathsOf(alsoWrite));
        return failure;
    }
    for (const FileOutput& file : alsoWrite)
        fs.syncFolder(folderOf(file.path));
    return std::nullopt;
}

std::optional<WriteFailure> recoverFileSet(const QString& markerPath, const QStringList& paths,
                                           FileSystemCalls& fs) {
    FileSet set(fs, mainPathOf(markerPath));
    if (!set.anyTrace(markerPath, paths))
        return std::nullopt;
    // Without a lock file of its own (a read-only folder, something in its way) recovery goes on:
    // what it could not finish it reports.
    if (auto failure = set.lock(); failure && failure->error == kBeingSaved)
        return failure;
    return set.recover(markerPath, paths);
}

} // namespace r5k27
