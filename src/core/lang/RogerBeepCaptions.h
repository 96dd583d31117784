#pragma once

#include "Language.h"

#include <array>

namespace r5k27::RogerBeepCaptions {

inline constexpr BiText window{"Roger Beep", "RB音"};
inline constexpr BiText tab{"RB Tone", "RB音"};
inline constexpr BiText repeatCount{"Recycle Times", "循环次数"};
inline constexpr BiText interTime{"Inter Time[ms]", "间隔时间[ms]"};
inline constexpr BiText frequency{"Frequency[Hz]", "频率[Hz]"};
inline constexpr BiText length{"Tone Long[ms]", "音长[ms]"};
inline constexpr BiText play{"&Play", "播放(&P)"};
inline constexpr BiText stop{"&Stop", "停止(&S)"};
inline constexpr std::array<BiText, 14> steps{{
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
inline constexpr BiText noSoundDevice{"No sound output device was found, so the tones cannot "
                                      "be played.",
                                      "未找到声音输出设备，无法播放提示音。"};
// Names of changes in the undo history; %1 is the sequence number, %2 the step number.
inline constexpr BiText repeatEdit{"RB Tone %1 recycle times", "RB音 %1 循环次数"};
inline constexpr BiText interEdit{"RB Tone %1 inter time", "RB音 %1 间隔时间"};
inline constexpr BiText stepFrequencyEdit{"RB Tone %1 step %2 frequency", "RB音 %1 第 %2 个音频率"};
inline constexpr BiText stepLengthEdit{"RB Tone %1 step %2 length", "RB音 %1 第 %2 个音音长"};

} // namespace r5k27::RogerBeepCaptions
