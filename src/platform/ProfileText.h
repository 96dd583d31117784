#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>

namespace r5k27 {

// Private-profile (INI) text with the semantics of the Windows profile functions: section and key
// names compared case-insensitively, blanks around names and values ignored, the first of
// duplicated sections or keys wins. Only the touched line changes on a write; comments, blank
// lines, unknown keys, odd bytes, line endings and a UTF-8 byte-order mark stay as they were.
namespace ProfileText {

std::optional<QByteArray> lookup(const QByteArray& content, const QByteArray& section,
                                 const QByteArray& key);
// Every value lookup would find, read in one pass, keyed by indexKey: for files too large to
// search once per key.
QHash<QByteArray, QByteArray> index(const QByteArray& content);
QByteArray indexKey(const QByteArray& section, const QByteArray& key);

QByteArray assign(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                  const QByteArray& value);

} // namespace ProfileText
} // namespace r5k27
