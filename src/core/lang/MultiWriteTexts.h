#pragma once

#include "Language.h"

namespace r5k27::MultiWriteTexts {

inline constexpr LocalText title{"Write to Several Radios", "写入多台对讲机"};
inline constexpr LocalText choosePorts{"Tick the ports with a radio attached:",
                                       "勾选已连接对讲机的端口："};
inline constexpr LocalText start{"Start", "开始"};
inline constexpr LocalText stop{"Stop", "停止"};
inline constexpr LocalText close{"Close", "关闭"};
inline constexpr LocalText noPorts{"No serial port found.", "未找到串口。"};
// A port the system does not list (a cable it does not enumerate, the virtual radio).
inline constexpr LocalText portByName{"&Port by name:", "按名称添加端口(&P)："};
inline constexpr LocalText addPort{"&Add", "添加(&A)"};
// %1 the port chosen under Setup › Communication Port
inline constexpr LocalText configuredPort{"%1 (the program's port)", "%1（程序设置的端口）"};

inline constexpr LocalText portColumn{"Port", "端口"};
inline constexpr LocalText radioColumn{"Radio", "对讲机"};
inline constexpr LocalText progressColumn{"Progress", "进度"};
inline constexpr LocalText stateColumn{"State", "状态"};

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
