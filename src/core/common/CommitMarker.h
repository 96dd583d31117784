#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace r5k27 {

// The marker of a file set: a head line, one percent-encoded file name a line (names within the
// marker's own folder, never paths), and a closing line without which it is torn.
QByteArray commitMarkerText(const QStringList& names);

// The names a complete marker lists, when they are exactly setNames, none repeated. Nothing for
// a torn marker, for one naming anything else (a path, "..", another set) and for one naming
// only part of the set.
std::optional<QStringList> parseCommitMarker(const QByteArray& content,
                                             const QStringList& setNames);

} // namespace r5k27
