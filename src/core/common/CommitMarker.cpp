#include "CommitMarker.h"

namespace r5k27 {
namespace {

const QByteArray kHead = "r5k27 file set\n";
const QByteArray kEnd = "end\n";

} // namespace

QByteArray commitMarkerText(const QStringList& names) {
    QByteArray text = kHead;
    for (const QString& name : names)
        text += name.toUtf8().toPercentEncoding() + '\n';
    return text + kEnd;
}

std::optional<QStringList> parseCommitMarker(const QByteArray& content,
                                             const QStringList& setNames) {
    if (!content.startsWith(kHead) || !content.endsWith(kEnd) ||
        content.size() < kHead.size() + kEnd.size())
        return std::nullopt;
    const QByteArray body = content.mid(kHead.size(), content.size() - kHead.size() - kEnd.size());
    QStringList names;
    for (const QByteArray& line : body.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(line));
        if (!setNames.contains(name) || names.contains(name))
            return std::nullopt;
        names << name;
    }
    // A marker of part of the set would roll forward some files and leave the others old.
    for (const QString& name : setNames)
        if (!names.contains(name))
            return std::nullopt;
    return names;
}

} // namespace r5k27
