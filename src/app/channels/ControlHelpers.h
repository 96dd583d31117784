#pragma once

#include <QStringList>

class QComboBox;
class QLabel;
class QWidget;

namespace r5k27 {

// A right-aligned caption whose mnemonic moves the focus to control.
QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent);
// Shows entries in a list (refilled only when they differ) with index chosen, without the
// list's signals reaching anyone.
void showEntries(QComboBox* combo, const QStringList& entries, int index);
// A list as wide as that many characters, whatever it holds: measuring every entry (143 tones)
// would cost each opening of the window its text shaping.
void sizeByCharacters(QComboBox* combo, int characters);
// What a control holds, as its tooltip and as the status-bar message while the mouse is on it.
void hint(QWidget* control, const QString& text);

} // namespace r5k27
