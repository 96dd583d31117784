#include "LinkProgressWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace r5k27 {

namespace {
constexpr int kLabelGap = 10;
} // namespace

LinkProgressWindow::LinkProgressWindow(const QString& caption, const QString& completionLabel,
                                       QWidget* parent)
    : QDialog(parent)
    , grid_(new QGridLayout(this))
    , bar_(new QProgressBar(this))
    , percent_(new QLabel(this))
    , phase_(new QLabel(this)) {
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    grid_->setHorizontalSpacing(kLabelGap);
    grid_->addWidget(makeLabel(completionLabel, "lblCompletion", this), 0, 0);
    percent_->setObjectName(QStringLiteral("lblPercent"));
    percent_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    grid_->addWidget(percent_, 0, 1);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);
    grid_->addWidget(bar_, 1, 0, 1, 2);
    phase_->setObjectName(QStringLiteral("lblPhase"));
    phase_->hide();
    grid_->addWidget(phase_, 2, 0, 1, 2);
    setProgressValue(0);
}

void LinkProgressWindow::setPhaseTexts(const QString& transfer, const QString& verifying,
                                       const QString& readingFirst) {
    phaseTexts_[int(ProgressPhase::Transfer)] = transfer;
    phaseTexts_[int(ProgressPhase::Verifying)] = verifying;
    phaseTexts_[int(ProgressPhase::ReadingFirst)] = readingFirst;
}

void LinkProgressWindow::showProgress(ProgressPhase phase, int percent) {
    const QString& text = phaseTexts_[int(phase)];
    phase_->setText(text);
    phase_->setVisible(!text.isEmpty());
    setProgressValue(percent);
}

QLabel* LinkProgressWindow::makeLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void LinkProgressWindow::setProgressValue(int percent) {
    const int value = std::clamp(percent, 0, 100);
    bar_->setValue(value);
    percent_->setText(QString::number(value) + u'%');
}

void LinkProgressWindow::finish() {
    finished_ = true;
    done(QDialog::Accepted);
}

void LinkProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (std::exchange(startSent_, true))
        return;
    // The link starts once the window's own event loop carries it.
    QTimer::singleShot(0, this, [this] {
        if (!finished_)
            emit started();
    });
}

void LinkProgressWindow::closeEvent(QCloseEvent* event) {
    if (finished_) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    emit closeRequested();
}

void LinkProgressWindow::reject() {
    if (finished_)
        QDialog::reject();
    else
        emit closeRequested();
}

ProgressWindow::ProgressWindow(const QString& caption, const QString& completionLabel,
                               QWidget* parent)
    : LinkProgressWindow(caption, completionLabel, parent) {
    setObjectName(QStringLiteral("FrmProgress"));
}

} // namespace r5k27
