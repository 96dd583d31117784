#include "TonePlayback.h"

#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

constexpr int kMaxCode = 255;
constexpr int kFirstStepCode = 40; // 400 Hz, the lowest tone a step offers
constexpr int kMinSoundedMs = 4;
constexpr int kMaxToneFreeHz = 48;

QStringList tensList(int fromCode) {
    QStringList list;
    for (int code = fromCode; code <= kMaxCode; ++code)
        list << QString::number(code * 10);
    return list;
}

} // namespace

QStringList repeatCountList(Language lang) {
    QStringList list{kRepeatOffText.in(lang)};
    for (int n = 1; n <= 10; ++n)
        list << QString::number(n);
    return list;
}

QStringList interTimeList() {
    return tensList(0);
}
QStringList fullFrequencyList(Language lang) {
    return QStringList{kNoToneText.in(lang)} + tensList(1);
}
QStringList stepFrequencyList(Language lang) {
    return QStringList{kNoToneText.in(lang)} + tensList(kFirstStepCode);
}
QStringList stepLengthList() {
    return tensList(0);
}

StepFrequencyChoices stepFrequencyChoices(int freqCode, Language lang) {
    StepFrequencyChoices choices{stepFrequencyList(lang), 0};
    if (freqCode == 0)
        return choices;
    const QString stored = QString::number(freqCode * 10);
    choices.shown = int(choices.entries.indexOf(stored));
    if (choices.shown < 0) {
        choices.shown = int(choices.entries.size());
        choices.entries << stored;
    }
    return choices;
}

std::optional<int> frequencyCodeOfText(const QString& text, Language lang) {
    const qsizetype code = fullFrequencyList(lang).indexOf(text);
    return code < 0 ? std::nullopt : std::optional<int>(int(code));
}

std::optional<PlayStep> playStepOf(const ToneStep& step) {
    const int ms = step.durCode * 10;
    if (ms <= kMinSoundedMs)
        return std::nullopt;
    const int hz = step.freqCode * 10;
    return PlayStep{hz > kMaxToneFreeHz ? hz : 0, ms};
}

bool hasPlayableLength(const ToneSeq& seq) {
    int totalMs = 0;
    for (const ToneStep& step : seq.steps)
        totalMs += step.durCode * 10;
    return totalMs > kMinSoundedMs;
}

QList<PlayStep> playbackPlan(const ToneSeq& seq) {
    QList<PlayStep> plan;
    const int pauseMs = seq.interTime * 10;
    for (int pass = 0; pass < seq.repeatCount; ++pass) {
        for (const ToneStep& step : seq.steps) {
            if (const auto play = playStepOf(step))
                plan << *play;
        }
        if (pauseMs > 0)
            plan << PlayStep{0, pauseMs};
    }
    return plan;
}

} // namespace r5k27
