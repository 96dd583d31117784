#pragma once

#include "LinkProgressWindow.h"

namespace r5k27 {

// The group write's progress window: the block bar and, below it, how far the group write has come,
// what to do next, and Cancel (which stops once the radio in progress is finished).
class GroupProgressWindow : public LinkProgressWindow {
    Q_OBJECT
public:
    struct Texts {
        QString caption;
        QString completion;
        QString radioNumber;
        QString connectNext;
        QString cancel;
    };
    GroupProgressWindow(const Texts& texts, int groupSize, QWidget* parent);

    // radiosDone radios are programmed; the next one is number radiosDone + 1.
    void setRadiosDone(int radiosDone);
    int radioNumber() const { return radioNumber_; }
    // Between radios, while no block of the next one has gone out, asks for the next radio.
    void showBlockProgress(ProgressPhase phase, int percent);
    void showStopping(const QString& note);

private:
    QProgressBar* radioBar_;
    QLabel* radioNumberLabel_;
    QLabel* next_;
    QLabel* note_;
    int groupSize_;
    int radiosDone_ = 0;
    int radioNumber_ = 1;
    bool stopping_ = false;
};

} // namespace r5k27
