#pragma once

#include "core/common/FileSystemCalls.h"

namespace r5k27 {

// The operating system's calls.
class SystemFileCalls : public FileSystemCalls {
public:
    FileKind kindOf(const QString& path) override;
    FileKind targetKindOf(const QString& path) override;
    bool isOwnFile(const QString& path) override;
    int createNew(const QString& path, const QString& modeFrom, int& fd) override;
    int writeAll(int fd, const QByteArray& bytes) override;
    int sync(int fd) override;
    int close(int fd) override;
    int rename(const QString& from, const QString& to) override;
    int remove(const QString& path) override;
    void syncFolder(const QString& folder) override;
    std::optional<QByteArray> readOwnFile(const QString& path, qint64 maxBytes) override;
    std::unique_ptr<HeldLock> lockFile(const QString& lockPath, std::chrono::milliseconds wait,
                                       int& error) override;
};

// The one instance programs use; code in core is handed the calls it needs, so only the layers
// above it reach the operating system.
FileSystemCalls& systemFileCalls();

} // namespace r5k27
