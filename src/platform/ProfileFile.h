#pragma once

#include <QString>

namespace r5k27 {

// One private-profile file on disk. Every call reads the file afresh and a write changes one key
// in place, written atomically, so a failed write leaves the previous file.
class ProfileFile {
public:
    explicit ProfileFile(QString path)
        : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    bool exists() const;
    // The value up to its first NUL; defaultValue when the file or key is missing.
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = {}) const;
    bool write(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
};

} // namespace r5k27
