#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace r5k27 {

// The marker of a file set: a head line, one percent-encoded file name a line (names within the
// marker's own folder, never paths), and a closing line without which it is torn.
QByteArray commitMarkerText(const QStringList& names);

// The names a complete marker lists, when every one is one of setNames and none repeats.
// Nothing for a torn marker and for one naming anything else (a path, "..", another set).
std::optional<QStringList> parseCommitMarker(const QByteArray& content,
                                             const QStringList& setNames);

} // namespace r5k27
