#pragma once

#include "core/lang/Language.h"

#include <QString>
#include <QStringList>
#include <array>

namespace r5k27 {

struct MemoryImage;

// The DTMF encode settings that are chosen from a list, in window order.
enum class DtmfTiming { SendTime, FirstDigitTime, FirstDigitDelay, StarHashTime, DCodeAssign };
inline constexpr std::array kDtmfTimings{DtmfTiming::SendTime, DtmfTiming::FirstDigitTime,
                                         DtmfTiming::FirstDigitDelay, DtmfTiming::StarHashTime,
                                         DtmfTiming::DCodeAssign};

inline constexpr LocalText kDtmfDisplayCaption{"DTMF DISP", "DTMF 显示"};
LocalText dtmfTimingCaption(DtmfTiming timing);
QStringList dtmfTimingList(DtmfTiming timing, Language lang);

// The list position that shows the stored value; -1 for a value the list has no entry for.
int dtmfTimingIndex(const MemoryImage& image, DtmfTiming timing, Language lang);
// The stored value as the list would show it ("550" for a send time of 55).
QString dtmfTimingStoredText(const MemoryImage& image, DtmfTiming timing);
// Stores the value of the entry at position index; a position outside the list changes nothing.
void setDtmfTimingIndex(MemoryImage& image, DtmfTiming timing, int index, Language lang);

// DtmfDisplay is on only when it holds 1.
bool dtmfDisplayOn(const MemoryImage& image);
void setDtmfDisplayOn(MemoryImage& image, bool on);

// What a code may hold: the characters the radio can dial, lower-case a..d taken as A..D,
// at most 16 of them; anything else is dropped.
QString dtmfCodeFromTyped(const QString& typed);
bool isDtmfCodeCharacter(QChar c);

} // namespace r5k27
