#pragma once

#include "FixedText.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace r5k27 {

constexpr int kModeCount = 2;   // work mode 0 = CB, 1 = HF
constexpr int kGroupCount = 10; // groups "A".."J"
constexpr int kMemGroup = 11;   // the "MEM" group of CurGroup/GroupWorkCh
constexpr int kDtmfCodeCount = 16;
constexpr int kToneSeqCount = 8;
constexpr int kToneStepCount = 14;

// A value per work mode (0..1) and group (FirstGroup..LastGroup), stored with the mode varying
// fastest, the order of the file and radio layouts.
template <class T, int LastGroup = kGroupCount> class PerModeGroup {
public:
    static constexpr int lastGroup = LastGroup;
    T& operator()(int mode, int group) { return items_[index(mode, group)]; }
    const T& operator()(int mode, int group) const { return items_[index(mode, group)]; }
    void fill(const T& value) { items_.fill(value); }
    // File order: (0,1), (1,1), (0,2), ... (1,LastGroup).
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    bool operator==(const PerModeGroup&) const = default;

private:
    static constexpr std::size_t index(int mode, int group) {
        return std::size_t((group - 1) * kModeCount + mode);
    }
    std::array<T, std::size_t(kModeCount* LastGroup)> items_{};
};

// Two values per mode and group (emergency and dual-watch channels). The pair index varies
// slowest: all first values of every mode and group come before all second values.
template <class T> class PerModeGroupPair {
public:
    T& operator()(int mode, int group, int k) { return halves_[std::size_t(k)](mode, group); }
    const T& operator()(int mode, int group, int k) const {
        return halves_[std::size_t(k)](mode, group);
    }
    void fill(const T& value) {
        for (auto& half : halves_)
            half.fill(value);
    }
    std::array<PerModeGroup<T>, 2>& halves() { return halves_; }
    const std::array<PerModeGroup<T>, 2>& halves() const { return halves_; }
    bool operator==(const PerModeGroupPair&) const = default;

private:
    std::array<PerModeGroup<T>, 2> halves_{};
};

struct RadioInfoRec {
    FixedText<7> modelCode;
    std::int16_t modelNo = 0;
    std::int16_t modeFlag = 0;
    FixedText<8> makeDate;
    FixedText<5> softVer;
    FixedText<6> modelCode2;
    std::int16_t modeFlag2 = 0;
    std::int16_t modelLetter = 0;
    bool operator==(const RadioInfoRec&) const = default;
};

struct OptFeatRec {
    PerModeGroup<std::int16_t> groupValid;
    PerModeGroup<FixedText<4>> groupName;
    PerModeGroupPair<std::int16_t> emergencyCh;

    std::int16_t hiddenRadioSetting = 0;
    std::int16_t optWorkMode = 0;
    std::array<std::int16_t, kModeCount> workGroup{};
    std::int16_t voxFunction = 0;
    std::int16_t channelMode = 0;
    std::int16_t memMenu = 0;

    PerModeGroup<std::int16_t> workCh;
    PerModeGroupPair<std::int16_t> dwCh;
    PerModeGroup<std::int16_t> memCh;

    std::int16_t pubBotCode = 0;
    std::int16_t pubEotCode = 0;
    std::int16_t pubCallCode = 0;
    std::int16_t receiveTrim = 0;
    std::int16_t transmitTrim = 0;
    std::int16_t pubHiCut = 0;
    std::int16_t pubNbAnl = 0;
    std::int16_t pubEcho = 0;
    std::int16_t pubAdd10K = 0;
    std::int16_t pubBusy = 0;
    std::int16_t pubRogerTone = 0;
    std::int16_t beepOn = 0;
    std::int16_t txDisplay = 0;
    std::int16_t micLevel = 0;
    std::int16_t noiseGate = 0;
    std::int16_t tot = 0;
    std::int16_t swrProtect = 0;
    std::int16_t battProtect = 0;
    std::int16_t scanMode = 0;
    std::int16_t finTone = 0;
    std::int16_t backlightColor = 0;
    std::int16_t menuPage = 0;
    std::int16_t battMin = 0;
    std::int16_t battMax = 0;
    std::int16_t swrMax = 0;
    std::int16_t pubMode = 0;
    std::array<std::int16_t, 5> modeEnable{}; // FM, AM, USB, LSB, PA
    std::int16_t dtmfSendTime = 0;
    std::int16_t firstDigitTime = 0;
    std::int16_t firstDigitDelay = 0;
    std::int16_t starHashTime = 0;
    std::int16_t dCodeAssign = 0;
    std::int16_t dtmfDisplay = 0;

    // Codes 1..16 live at index 0..15; use dtmf(n) for the 1-based numbering.
    std::array<FixedText<16>, kDtmfCodeCount> dtmfCodes;
    FixedText<16>& dtmf(int n) { return dtmfCodes[std::size_t(n - 1)]; }
    const FixedText<16>& dtmf(int n) const { return dtmfCodes[std::size_t(n - 1)]; }

    bool operator==(const OptFeatRec&) const = default;
};

struct ToneStep {
    std::int16_t freqCode = 0;
    std::int16_t durCode = 0;
    bool operator==(const ToneStep&) const = default;
};

struct ToneSeq {
    std::array<ToneStep, kToneStepCount> steps{}; // step 1..14 at index 0..13
    std::int16_t repeatCount = 0;
    std::int16_t interTime = 0;
    bool operator==(const ToneSeq&) const = default;
};

struct RBToneRec {
    std::array<ToneSeq, kToneSeqCount> seqs{}; // tone 1..8 at index 0..7
    ToneSeq& tone(int t) { return seqs[std::size_t(t - 1)]; }
    const ToneSeq& tone(int t) const { return seqs[std::size_t(t - 1)]; }
    bool operator==(const RBToneRec&) const = default;
};

// The 1,344-byte record of the data file, not the radio's 16 KiB image.
// Everything the program edits about a radio except its channel table. A plain value type:
// copying it is the whole-record copy between the working and last-saved instances.
struct MemoryImage {
    static constexpr int kFileSize = 1344;

    FixedText<4> verTag;
    std::int16_t workMode = 0;
    std::array<std::int16_t, kModeCount> curGroup{};
    PerModeGroup<std::int16_t, kMemGroup> groupWorkCh;
    PerModeGroup<std::int16_t> chCount;
    RadioInfoRec radioInfo;
    OptFeatRec optFeat;
    RBToneRec rbTone;
    std::int32_t extFreq = 0;
    std::int16_t extSwitch = 0;
    std::int16_t extSelect = 0;
    std::array<std::int16_t, 12> extTable{};

    bool operator==(const MemoryImage&) const = default;
};

} // namespace r5k27
