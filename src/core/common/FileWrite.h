#pragma once

#include <QByteArray>
#include <QString>

namespace r5k27 {

// Replaces the file at path with data in one step: a reader sees the old file or the new one,
// never a part. False when any step failed; the old file is then left as it was.
bool writeWholeFile(const QString& path, const QByteArray& data);

} // namespace r5k27
