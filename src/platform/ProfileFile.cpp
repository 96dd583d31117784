#include "ProfileFile.h"

#include "ProfileText.h"
#include "SystemFileCommit.h"

#include <QFile>
#include <QFileInfo>

namespace r5k27 {
namespace {

// A missing file reads as empty; an existing one that cannot be read gives nothing, so a write
// never replaces content it could not see. Only a regular file is opened: a FIFO would block.
std::optional<QByteArray> readAll(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// A byte-order mark of UTF-16 text, or a NUL in its first two bytes as UTF-16 text without one
// has (a NUL later on can be a stored value's end).
bool isUtf16(const QByteArray& content) {
    return content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF") ||
           content.left(2).contains('\0');
}

// The value up to its first NUL.
QString valueText(const QByteArray& value) {
    const qsizetype nul = value.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? value : value.left(nul));
}

} // namespace

bool ProfileFile::exists() const {
    return QFileInfo(path_).isFile();
}

bool ProfileFile::holdsUtf16Text() const {
    const auto content = readAll(path_);
    return content && isUtf16(*content);
}

QString ProfileFile::read(const QString& section, const QString& key,
                          const QString& defaultValue) const {
    const auto content = readAll(path_);
    const auto value =
        content ? ProfileText::lookup(*content, section.toLatin1(), key.toLatin1()) : std::nullopt;
    return value ? valueText(*value) : defaultValue;
}

ProfileFile::Snapshot ProfileFile::snapshot() const {
    Snapshot snapshot;
    if (const auto content = readAll(path_))
        snapshot.values_ = ProfileText::index(*content);
    return snapshot;
}

QString ProfileFile::Snapshot::read(const QString& section, const QString& key,
                                    const QString& defaultValue) const {
    const auto value = values_.constFind(ProfileText::indexKey(section.toLatin1(), key.toLatin1()));
    return value == values_.cend() ? defaultValue : valueText(*value);
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) const {
    const auto content = readAll(path_);
    if (!content)
        return false;
    // Said once on screen at start-up (utf16Notice); ASCII keys would only spoil it further.
    if (isUtf16(*content))
        return false;
    const QByteArray updated =
        ProfileText::assign(*content, section.toLatin1(), key.toLatin1(), value.toLatin1());
    return !writeFileChecked(path_, updated);
}

QString ProfileFile::read(const Setting& setting) const {
    return read(QString(setting.section), QString(setting.key), setting.defaultValue());
}

bool ProfileFile::write(const Setting& setting, const QString& value) const {
    return write(QString(setting.section), QString(setting.key), value);
}

} // namespace r5k27
