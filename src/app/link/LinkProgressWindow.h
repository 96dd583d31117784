#pragma once

#include "radio/RadioJobEvents.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QGridLayout;

namespace r5k27 {

// What both progress windows share: a block bar with its percentage, a start signal once the
// window's own event loop runs, and a close request that the running operation decides on.
class LinkProgressWindow : public QDialog {
    Q_OBJECT
public:
    LinkProgressWindow(const QString& caption, const QString& completionLabel, QWidget* parent);

    // SetProgressValue: the bar and the "n%" label.
    void setProgressValue(int percent);
    // What each phase is called above the bar; an empty text shows nothing.
    void setPhaseTexts(const QString& transfer, const QString& verifying,
                       const QString& readingFirst);
    // The bar of the phase: a read-back counts from 0 again under its own name.
    void showProgress(ProgressPhase phase, int percent);
    // The operation is over: the window closes and its event loop returns.
    void finish();

signals:
    void started();
    void closeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    QGridLayout* grid() const { return grid_; }
    // A descriptive label that ends 10 units left of the value it describes.
    static QLabel* makeLabel(const QString& text, const char* name, QWidget* parent);

private:
    QGridLayout* grid_;
    QProgressBar* bar_;
    QLabel* percent_;
    QLabel* phase_;
    QString phaseTexts_[3];
    bool finished_ = false;
    bool startSent_ = false;
};

// The progress window of a single read or write.
class ProgressWindow : public LinkProgressWindow {
    Q_OBJECT
public:
    ProgressWindow(const QString& caption, const QString& completionLabel, QWidget* parent);
};

} // namespace r5k27
