#pragma once

#include "core/lang/Language.h"

// The labels of the several-radios window; what it shows of each radio is MultiWriteTexts'.
namespace r5k27::SeveralRadiosTexts {

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

} // namespace r5k27::SeveralRadiosTexts
