#pragma once

#include "LinkProgressWindow.h"

namespace r5k27 {

// frmMProgress: the block bar and, below it, how far the group write has come.
class GroupProgressWindow : public LinkProgressWindow {
    Q_OBJECT
public:
    GroupProgressWindow(const QString& caption, const QString& completionLabel,
                        const QString& radioLabel, int groupSize, QWidget* parent);

    // radiosDone radios are programmed; the next one is number radiosDone + 1.
    void setRadiosDone(int radiosDone);
    int radioNumber() const { return radioNumber_; }
    void showStopping(const QString& note);

private:
    QProgressBar* radioBar_;
    QLabel* radioNumberLabel_;
    QLabel* note_;
    int groupSize_;
    int radioNumber_ = 1;
};

} // namespace r5k27
