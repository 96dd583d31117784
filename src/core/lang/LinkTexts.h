#pragma once

#include "Language.h"

namespace r5k27::LinkTexts {

inline constexpr LocalText checkConnection{"Check Connection. Retry or Cancel?",
                                           "检测连接。重试或取消？"};
inline constexpr LocalText modelWrong{"Model type is wrong.", "机型类型错误。"};
inline constexpr LocalText readCompleted{"Read Data Completed.", "读取数据完成。"};
inline constexpr LocalText writeCompleted{"Write Data Completed.", "写入数据完成。"};
inline constexpr LocalText endUnconfirmed{
    "The radio did not confirm the end of programming. Switch it off and on again before use.",
    "对讲机未确认编程结束。使用前请将其关机后重新开机。"};
inline constexpr LocalText partlyWritten{
    "The radio now holds a partial write and will not work as before. Write it again.",
    "对讲机中现在只有部分写入的数据，无法正常使用。请重新写入。"};
inline constexpr LocalText verifying{"Verifying…", "正在校验…"};
inline constexpr LocalText readingFirst{"Reading the radio first…", "正在先读取对讲机…"};
inline constexpr LocalText cannotOpenPort{"Cannot Open Communication Port.", "无法打开通信端口。"};

} // namespace r5k27::LinkTexts
