#include "GroupProgressWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace r5k27 {

GroupProgressWindow::GroupProgressWindow(const QString& caption, const QString& completionLabel,
                                         const QString& radioLabel, int groupSize, QWidget* parent)
    : LinkProgressWindow(caption, completionLabel, parent)
    , radioBar_(new QProgressBar(this))
    , radioNumberLabel_(new QLabel(this))
    , note_(new QLabel(this))
    , groupSize_(std::max(1, groupSize)) {
    setObjectName(QStringLiteral("frmMProgress"));
    grid()->addWidget(makeLabel(radioLabel, "lblRadio", this), 2, 0);
    radioNumberLabel_->setObjectName(QStringLiteral("lblRadioNumber"));
    grid()->addWidget(radioNumberLabel_, 2, 1);
    radioBar_->setObjectName(QStringLiteral("ProgressBar2"));
    radioBar_->setRange(0, groupSize_);
    radioBar_->setTextVisible(false);
    grid()->addWidget(radioBar_, 3, 0, 1, 2);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->hide();
    grid()->addWidget(note_, 4, 0, 1, 2);
    setRadiosDone(0);
}

void GroupProgressWindow::setRadiosDone(int radiosDone) {
    // The bar counts finished radios; the number names the radio being written or awaited.
    radioBar_->setValue(std::clamp(radiosDone, 0, groupSize_));
    radioNumber_ = std::min(radiosDone + 1, groupSize_);
    radioNumberLabel_->setText(QString::number(radioNumber_));
}

void GroupProgressWindow::showStopping(const QString& note) {
    note_->setText(note);
    note_->show();
}

} // namespace r5k27
