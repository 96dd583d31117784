#pragma once

#include "core/common/SettingsTable.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace r5k27 {

// One private-profile file on disk. Every call reads the file afresh (a snapshot reads it once
// for many keys) and a write changes one key in place, written atomically, so a failed write
// leaves the previous file. A file of UTF-16 text is never written: its keys are not ASCII.
class ProfileFile {
public:
    explicit ProfileFile(QString path)
        : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    bool exists() const;
    // The file is UTF-16 text (saved so by an editor): nothing is read from or written to it.
    bool holdsUtf16Text() const;
    // The value up to its first NUL; defaultValue when the file or key is missing.
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = {}) const;
    bool write(const QString& section, const QString& key, const QString& value) const;
    // A setting of the settings file, its default when missing.
    QString read(const Setting& setting) const;
    bool write(const Setting& setting, const QString& value) const;

    // The file as it is now, read and indexed once, for reading many keys (the version list).
    class Snapshot {
    public:
        QString read(const QString& section, const QString& key,
                     const QString& defaultValue = {}) const;

    private:
        friend class ProfileFile;
        QHash<QByteArray, QByteArray> values_;
    };
    Snapshot snapshot() const;

private:
    QString path_;
};

} // namespace r5k27
