#include "GroupProgressWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace r5k27 {

GroupProgressWindow::GroupProgressWindow(const Texts& texts, int groupSize, QWidget* parent)
    : LinkProgressWindow(texts.caption, texts.completion, parent)
    , radioBar_(new QProgressBar(this))
    , radioNumberLabel_(new QLabel(this))
    , next_(new QLabel(texts.connectNext, this))
    , note_(new QLabel(this))
    , groupSize_(std::max(1, groupSize)) {
    setObjectName(QStringLiteral("frmMProgress"));
    grid()->addWidget(makeLabel(texts.radioNumber, "lblRadio", this), 3, 0);
    radioNumberLabel_->setObjectName(QStringLiteral("lblRadioNumber"));
    grid()->addWidget(radioNumberLabel_, 3, 1);
    radioBar_->setObjectName(QStringLiteral("ProgressBar2"));
    radioBar_->setRange(0, groupSize_);
    radioBar_->setTextVisible(false);
    grid()->addWidget(radioBar_, 4, 0, 1, 2);
    next_->setObjectName(QStringLiteral("lblNextRadio"));
    next_->hide();
    grid()->addWidget(next_, 5, 0, 1, 2);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->hide();
    grid()->addWidget(note_, 6, 0, 1, 2);
    auto* cancel = new QPushButton(texts.cancel, this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // The same as closing the window: the operation decides when it can stop.
    connect(cancel, &QPushButton::clicked, this, &GroupProgressWindow::reject);
    grid()->addWidget(cancel, 7, 1, Qt::AlignRight);
    setRadiosDone(0);
}

void GroupProgressWindow::setRadiosDone(int radiosDone) {
    // The bar counts finished radios; the number names the radio being written or awaited.
    radiosDone_ = radiosDone;
    radioBar_->setValue(std::clamp(radiosDone, 0, groupSize_));
    radioNumber_ = std::min(radiosDone + 1, groupSize_);
    radioNumberLabel_->setText(QString::number(radioNumber_));
}

void GroupProgressWindow::showBlockProgress(ProgressPhase phase, int percent) {
    showProgress(phase, percent);
    next_->setVisible(radiosDone_ > 0 && percent == 0 && !stopping_);
}

void GroupProgressWindow::showStopping(const QString& note) {
    stopping_ = true;
    next_->hide();
    note_->setText(note);
    note_->show();
}

} // namespace r5k27
