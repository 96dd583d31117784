#pragma once

#include "core/lang/Language.h"

#include <array>

namespace r5k27::RogerBeepCaptions {

inline constexpr LocalText window{"Roger Beep", "RB音"};
inline constexpr LocalText tab{"RB Tone", "RB音"};
inline constexpr LocalText repeatCount{"Recycle Times", "循环次数"};
inline constexpr LocalText interTime{"Inter Time[ms]", "间隔时间[ms]"};
inline constexpr LocalText frequency{"Frequency[Hz]", "频率[Hz]"};
inline constexpr LocalText length{"Tone Long[ms]", "音长[ms]"};
inline constexpr LocalText play{"&Play", "播放(&P)"};
inline constexpr LocalText stop{"&Stop", "停止(&S)"};
inline constexpr std::array<LocalText, 14> steps{{
    {"First Tone", "第一个音"},
    {"Second Tone", "第二个音"},
    {"Third Tone", "第三个音"},
    {"Fourth Tone", "第四个音"},
    {"Fifth Tone", "第五个音"},
    {"Sixth Tone", "第六个音"},
    {"Seventh Tone", "第七个音"},
    {"Eighth Tone", "第八个音"},
    {"Ninth Tone", "第九个音"},
    {"Tenth Tone", "第十个音"},
    {"Eleventh Tone", "第十一个音"},
    {"Twelfth Tone", "第十二个音"},
    {"Thirteenth Tone", "第十三个音"},
    {"Fourteenth Tone", "第十四个音"},
}};
inline constexpr LocalText noSoundDevice{"No sound output device was found, so the tones cannot "
                                         "be played.",
                                         "未找到声音输出设备，无法播放提示音。"};
// Names of changes in the undo history; %1 is the sequence number, %2 the step number.
inline constexpr LocalText repeatEdit{"RB Tone %1 recycle times", "RB音 %1 循环次数"};
inline constexpr LocalText interEdit{"RB Tone %1 inter time", "RB音 %1 间隔时间"};
inline constexpr LocalText stepFrequencyEdit{"RB Tone %1 step %2 frequency",
                                             "RB音 %1 第 %2 个音频率"};
inline constexpr LocalText stepLengthEdit{"RB Tone %1 step %2 length", "RB音 %1 第 %2 个音音长"};

} // namespace r5k27::RogerBeepCaptions
