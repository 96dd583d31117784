#pragma once

#include "Language.h"

// Why a row of an imported channel list was refused or changed.
namespace r5k27::CsvCaptions {

// %1 the column
inline constexpr LocalText valueNotAllowed{"%1: value not allowed", "%1：不允许的值"};
inline constexpr LocalText noSuchChannel{"no such channel", "没有此信道"};
inline constexpr LocalText locationOutside{"location outside 1..406 and 501..906",
                                           "位置不在 1..406 和 501..906 之内"};
// %1 the band
inline constexpr LocalText frequencyOutside{"frequency outside the band %1", "频率超出频段 %1"};
inline constexpr LocalText modeNotAvailable{"mode not available", "不可用的模式"};
// %1 the mode taken, %2 the mode in the file
inline constexpr LocalText takenAs{"taken as %1: %2 is switched off", "已按 %1 导入：%2 已关闭"};
inline constexpr LocalText dcsPolarity{"DCS polarity other than normal (NN)",
                                       "DCS 极性不是正常 (NN)"};
inline constexpr LocalText toneModeNotAvailable{"tone mode not available", "不可用的亚音模式"};
inline constexpr LocalText toneNotInList{"tone not in the list", "亚音不在列表中"};
inline constexpr LocalText duplexNotAvailable{"duplex not available", "不可用的差频方式"};
inline constexpr LocalText noColumns{"no Location and Frequency columns",
                                     "没有 Location 和 Frequency 列"};
inline constexpr LocalText malformedLine{"malformed line", "格式错误的行"};
inline constexpr LocalText duplicateLocation{"duplicate location", "重复的位置"};
// A row pasted into the channel list that found no place.
inline constexpr LocalText groupFull{"the group is full", "该组已满"};
inline constexpr LocalText noChannelLeft{"no channel left to paste into", "没有可粘贴的信道"};

} // namespace r5k27::CsvCaptions
