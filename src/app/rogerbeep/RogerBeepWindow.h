#pragma once

#include "core/common/DocumentEvents.h"
#include "core/image/MemoryImage.h"
#include "core/lang/Language.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTabBar;
class QVBoxLayout;

namespace r5k27 {

struct AppContext;
struct LocalText;
class ToneSequencePicture;
class ToneSink;

// The eight roger-beep sequences, one per tab, with their picture and playback.
// Every change goes into the document at once; references to a sequence that no longer plays
// are dropped through recheckRogerTones.
class RogerBeepWindow : public QWidget {
    Q_OBJECT
public:
    RogerBeepWindow(AppContext& ctx, ToneSink& sink, QWidget* parent = nullptr);
    ~RogerBeepWindow() override;

    // CurTone: the sequence shown, 1..8.
    int curTone() const { return curTone_; }
    // PrepareTone and PlayTone: starts the shown sequence unless it has nothing to play.
    void play();
    void stop();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QGridLayout* buildStepLists();
    QVBoxLayout* buildPictureAndButtons();
    void applyCaptions();
    void showSequence();
    void showStepFrequency(QComboBox* list, int freqCode);
    void refreshPicture();
    void updatePlayButton();
    void chooseRepeatCount(int index);
    void chooseInterTime(int index);
    void chooseFrequency(int step, const QString& text);
    void chooseLength(int step, int index);
    EditName editName(const LocalText& name, int step = 0) const;
    const ToneSeq& sequence() const;
    Language lang() const;

    AppContext& ctx_;
    ToneSink& sink_;
    int curTone_ = 1;
    bool playing_ = false;
    QTabBar* tabs_ = nullptr;
    QLabel* repeatLabel_ = nullptr;
    QComboBox* repeatList_ = nullptr;
    QLabel* interLabel_ = nullptr;
    QComboBox* interList_ = nullptr;
    QLabel* frequencyHeader_ = nullptr;
    QLabel* lengthHeader_ = nullptr;
    std::array<QLabel*, kToneStepCount> stepLabels_{};
    std::array<QComboBox*, kToneStepCount> frequencyLists_{};
    std::array<QComboBox*, kToneStepCount> lengthLists_{};
    ToneSequencePicture* picture_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
};

} // namespace r5k27
