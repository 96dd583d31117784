#pragma once

#include "core/document/Document.h"

#include <QJsonObject>
#include <QString>

namespace r5k27::cli {

// The whole document in a stable, readable form: band and work mode, identity, each group with
// its settings and channels, the options with their text forms, DTMF codes and roger-beep
// sequences. Two documents can be compared with diff.
QString documentText(const MemoryImage& image, const ChTable& table);
// text with control characters (NUL included) and the backslash escaped, so nothing is hidden
// and no stored or imported text can add a line of its own.
QString escapedText(const QString& text);
// The same content as a JSON object.
QJsonObject documentJsonObject(const MemoryImage& image, const ChTable& table);

} // namespace r5k27::cli
