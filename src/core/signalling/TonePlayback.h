#pragma once

#include "core/lang/Language.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace r5k27 {

struct ToneSeq;
struct ToneStep;

inline constexpr LocalText kRepeatOffText{"Off", "关"};
inline constexpr LocalText kNoToneText{"None", "无"};

// The editor's lists, position = stored code unless said otherwise.
QStringList repeatCountList(Language lang);   // off, "1".."10"
QStringList interTimeList();                  // "0", "10" .. "2550" ms
QStringList fullFrequencyList(Language lang); // none, "10" .. "2550" Hz (codes 0..255)
QStringList stepFrequencyList(Language lang); // none, "400" .. "2550" Hz: what a step may choose
QStringList stepLengthList();                 // "0", "10" .. "2550" ms

// A step's frequency list for its stored code: the offered entries, and after them the code
// itself ("300" for 30) when none of them stands for it, as a code below 400 Hz read from a file
// or a radio; so the list shows what the picture draws, the playback sounds and the radio gets.
struct StepFrequencyChoices {
    QStringList entries;
    int shown = 0;
};
StepFrequencyChoices stepFrequencyChoices(int freqCode, Language lang);

// The frequency code a step's list text stands for: none 0, "400" 40; nullopt for other text.
std::optional<int> frequencyCodeOfText(const QString& text, Language lang);

// One sound of a playback: a tone of frequencyHz, or silence when frequencyHz is 0.
struct PlayStep {
    int frequencyHz = 0;
    int durationMs = 0;
    bool operator==(const PlayStep&) const = default;
};

// What a step sounds like; nothing for a step of 4 ms or less, which is skipped. Frequencies
// of 48 Hz or less play as silence.
std::optional<PlayStep> playStepOf(const ToneStep& step);
// Whether the Play button does anything: the steps last more than 4 ms in all.
bool hasPlayableLength(const ToneSeq& seq);
// The whole playback: the steps, repeated RepeatCount times, each pass followed by the pause
// (left out when it is 0 ms).
QList<PlayStep> playbackPlan(const ToneSeq& seq);

} // namespace r5k27
