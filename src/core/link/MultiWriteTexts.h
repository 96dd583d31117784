#pragma once

#include "lang/Language.h"

namespace r5k27::MultiWriteTexts {

inline constexpr BiText title{"Write to Several Radios", "写入多台对讲机"};
inline constexpr BiText choosePorts{"Tick the ports with a radio attached:",
                                    "勾选已连接对讲机的端口："};
inline constexpr BiText start{"Start", "开始"};
inline constexpr BiText stop{"Stop", "停止"};
inline constexpr BiText close{"Close", "关闭"};
inline constexpr BiText noPorts{"No serial port found.", "未找到串口。"};

inline constexpr BiText portColumn{"Port", "端口"};
inline constexpr BiText radioColumn{"Radio", "对讲机"};
inline constexpr BiText progressColumn{"Progress", "进度"};
inline constexpr BiText stateColumn{"State", "状态"};

inline constexpr BiText waiting{"Waiting", "等待"};
inline constexpr BiText writing{"Writing", "写入中"};
inline constexpr BiText verifying{"Verifying", "校验中"};
inline constexpr BiText written{"Written", "已写入"};
inline constexpr BiText failed{"Failed", "失败"};

inline constexpr BiText noAnswer{"The radio did not answer.", "对讲机无应答。"};
inline constexpr BiText transferLost{"The connection was lost during the transfer.",
                                     "传输过程中连接中断。"};
inline constexpr BiText otherFirmware{"The radio's firmware %1 needs another program version.",
                                      "对讲机固件 %1 需要其他版本的程序。"};
inline constexpr BiText stopped{"Stopped.", "已停止。"};
// %1 radios written of %2
inline constexpr BiText summary{"%1 of %2 radios written.", "%2 台对讲机中已写入 %1 台。"};

} // namespace r5k27::MultiWriteTexts
