#pragma once

#include <QString>
#include <QStringList>

namespace r5k27 {

// Every drop-down list falls back to its first entry when a value has no entry of its own.

// The entry at index, else the first entry; empty text for an empty list.
QString listTextAt(const QStringList& list, int index);
// The entry equal to text, else the first entry; empty text for an empty list.
QString listTextMatching(const QStringList& list, const QString& text);
// The position a list should select to show the helpers' result; -1 (no selection) for an
// empty list.
int selectListIndex(const QStringList& list, int index);
int selectListText(const QStringList& list, const QString& text);

} // namespace r5k27
