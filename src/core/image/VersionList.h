#pragma once

#include "core/lang/Language.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace r5k27 {

inline const QString kDataVersionTag = QStringLiteral("V200");

enum class VersionKind { Firmware = 0, DataFile = 1 };

// Which data and firmware versions each installed program version handles.
class VersionList {
public:
    // Reads one key of the version list file; empty text when missing.
    using Lookup = std::function<QString(const QString& section, const QString& key)>;

    // A list that is missing, has unusable counts or no usable entry falls back to builtIn(); the
    // program's own pair is always accepted, so it can always open its own files.
    static VersionList load(const Lookup& read);
    static VersionList builtIn();

    bool isCompatiblePair(const QString& programTag, const QString& otherTag) const;
    // The program version (folder name) that handles otherTag; empty when none does.
    QString folderOfVersion(const QString& otherTag) const;

    // Pairs flattened: program tag at 2k, handled tag at 2k + 1.
    const QStringList& firmList() const { return firmList_; }

private:
    QStringList firmList_;
};

// "V200" is shown as "V2.00".
QString versionDisplayForm(const QString& tag);
QString incompatibleMessage(const QString& programTag, const QString& otherTag, VersionKind kind,
                            Language lang);

namespace VersionTexts {
inline constexpr LocalText firmwareLabel{"Firmware version is", "固件版本为"};
inline constexpr LocalText programLabel{"programming software is", "写频软件版本为"};
inline constexpr LocalText question{
    "incompatible version. It may cause unknown error.To start the corresponding software "
    "version, or not?",
    "版本不兼容，有可能引起未知错误，是否启动对应版本软件？"};
inline constexpr LocalText noSuchVersion{"Fail to start the software. This version does not exist.",
                                         "未能启动，不存在此版本软件！"};
inline constexpr LocalText dataFileLabel{"DataFile version is", "数据文件版本为"};
inline constexpr LocalText badDataFileTag{"Unknown version Of DataFile!", "未能识别的数据版本!"};
} // namespace VersionTexts

} // namespace r5k27
