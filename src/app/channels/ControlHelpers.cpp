#include "ControlHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace r5k27 {

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(control);
    return label;
}

void showEntries(QComboBox* combo, const QStringList& entries, int index) {
    // The entries last put in ride along on the list: reading them back out of the list costs a
    // model lookup and a text copy each, on every redraw.
    static constexpr char kEntries[] = "r5k27Entries";
    const QSignalBlocker block(combo);
    if (combo->count() != entries.size() || combo->property(kEntries).toStringList() != entries) {
        combo->clear();
        combo->addItems(entries);
        combo->setProperty(kEntries, entries);
    }
    combo->setCurrentIndex(index);
}

void sizeByCharacters(QComboBox* combo, int characters) {
    combo->setMinimumContentsLength(characters);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void hint(QWidget* control, const QString& text) {
    control->setToolTip(text);
    control->setStatusTip(text);
}

} // namespace r5k27
