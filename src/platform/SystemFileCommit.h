#pragma once

#include "SystemFileCalls.h"
#include "core/common/FileCommit.h"

// The checked file commit with the operating system's calls, for the layers above core.

namespace r5k27 {

inline std::optional<WriteFailure> writeFileChecked(const QString& path, const QByteArray& bytes) {
    return writeFileChecked(path, bytes, systemFileCalls());
}

inline std::optional<WriteFailure> commitFileSet(const QString& markerPath,
                                                 const QList<FileOutput>& files,
                                                 const QList<FileOutput>& alsoWrite = {}) {
    return commitFileSet(markerPath, files, alsoWrite, systemFileCalls());
}

inline std::optional<WriteFailure> stageFileSet(const QString& markerPath,
                                                const QList<FileOutput>& files) {
    return stageFileSet(markerPath, files, systemFileCalls());
}

inline std::optional<WriteFailure> recoverFileSet(const QString& markerPath,
                                                  const QStringList& paths) {
    return recoverFileSet(markerPath, paths, systemFileCalls());
}

} // namespace r5k27
