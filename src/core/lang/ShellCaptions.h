#pragma once

#include "Language.h"

// Texts of the main window's status bar, menus and information boxes.
namespace r5k27::ShellCaptions {

inline constexpr LocalText modified{"Modified", "已修改"};
inline constexpr LocalText noKeyAssignment{"The radio has no key assignment settings.",
                                           "本机没有按键设置。"};
inline constexpr LocalText noScanSettings{"The radio has no scan settings.", "本机没有扫描设置。"};
inline constexpr LocalText noRadioBandCheck{"The band is taken from the radio with every read.",
                                            "每次读取时频段都取自对讲机。"};
inline constexpr LocalText noFrequencyCheck{
    "Every frequency is checked against the band as it is entered.",
    "每个频率在输入时已按频段检查。"};
inline constexpr LocalText modelType{"Model Type", "机型类型"};
inline constexpr LocalText modelCode{"Model code", "机型代码"};
inline constexpr LocalText frequency{"Frequency", "频率"};
inline constexpr LocalText dataVersion{"Data file version", "数据文件版本"};
inline constexpr LocalText handledVersions{"Data and firmware versions handled",
                                           "可处理的数据和固件版本"};
// %1 file name
inline constexpr LocalText utf16File{
    "%1 is saved as UTF-16 text: no setting is read from it and none is saved in it. Save it as "
    "plain (ANSI) text to keep your settings.",
    "%1 以 UTF-16 "
    "文本保存：不会从中读取设置，也不会在其中保存设置。请将其另存为普通（ANSI）文本以保留设置。"};
inline constexpr LocalText opened{"%1 opened", "已打开 %1"};
inline constexpr LocalText saved{"%1 saved", "已保存 %1"};

} // namespace r5k27::ShellCaptions
