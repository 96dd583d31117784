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
    const QSignalBlocker block(combo);
    QStringList now;
    for (int i = 0; i < combo->count(); ++i)
        now << combo->itemText(i);
    if (now != entries) {
        combo->clear();
        combo->addItems(entries);
    }
    combo->setCurrentIndex(index);
}

void hint(QWidget* control, const QString& text) {
    control->setToolTip(text);
    control->setStatusTip(text);
}

} // namespace r5k27
