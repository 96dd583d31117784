#pragma once

#include "core/channels/ChannelTable.h"
#include "core/common/AppSettings.h"
#include "core/document/Document.h"
#include "core/image/MemoryImage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace r5k27 {

// Copies kept around every radio transfer, so what a radio held before a wrong write can be got
// back: after a read the radio's raw image (.img) and the document read from it, before a write
// the document sent. Each set shares a name that starts with its time; only the newest sets are
// kept.
class LinkBackups {
public:
    static constexpr int kKeptSets = 50;

    explicit LinkBackups(QString folder, int keep = kKeptSets,
                         std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    // The per-user backup folder of the program and the command-line tool.
    static QString defaultFolder();
    const QString& folder() const { return folder_; }

    bool saveRead(const QByteArray& radioImage, const MemoryImage& image, const ChTable& table,
                  const AppSettings& settings);
    bool saveBeforeWrite(const Document& doc, const AppSettings& settings);

    // Names of the kept sets, oldest first ("20250301-101502-123-read"; a
    // second set within the same millisecond gets "-2" before its kind).
    QStringList sets() const;
    // When a set was made, from its name (local time); invalid for a name that is not a set's.
    static QDateTime setTime(const QString& setName);

private:
    QString newSetName(const QString& kind) const;
    // The document of a set, with the radio's image when there is one, written as one.
    bool writeSet(const QString& setName, const QByteArray& radioImage, const MemoryImage& image,
                  const ChTable& table, const AppSettings& settings) const;
    void prune() const;

    QString folder_;
    int keep_;
    std::function<QDateTime()> clock_;
};

} // namespace r5k27
