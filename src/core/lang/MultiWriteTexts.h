#pragma once

#include "Language.h"

// What a write to several radios reports of each radio and of the whole run.
namespace r5k27::MultiWriteTexts {

inline constexpr LocalText waiting{"Waiting", "等待"};
inline constexpr LocalText readingFirst{"Reading first", "先读取中"};
inline constexpr LocalText writing{"Writing", "写入中"};
inline constexpr LocalText verifying{"Verifying", "校验中"};
inline constexpr LocalText written{"Written", "已写入"};
inline constexpr LocalText failed{"Failed", "失败"};

inline constexpr LocalText noAnswer{"The radio did not answer.", "对讲机无应答。"};
inline constexpr LocalText transferLost{"The connection was lost during the transfer.",
                                        "传输过程中连接中断。"};
inline constexpr LocalText otherFirmware{"The radio's firmware %1 needs another program version.",
                                         "对讲机固件 %1 需要其他版本的程序。"};
inline constexpr LocalText stopped{"Stopped.", "已停止。"};
// %1 radios written of %2
inline constexpr LocalText summary{"%1 of %2 radios written.", "%2 台对讲机中已写入 %1 台。"};

} // namespace r5k27::MultiWriteTexts
