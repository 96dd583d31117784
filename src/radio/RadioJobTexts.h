#pragma once

#include "core/lang/Language.h"

namespace r5k27::RadioJobTexts {

inline constexpr LocalText traceLost{
    "The serial trace could not be written completely (%1); the radio operation itself is not "
    "affected.",
    "串口跟踪文件未能完整写入（%1）；对讲机操作本身不受影响。"};

inline constexpr LocalText backupFailed{"The backup copy could not be saved in %1.",
                                        "无法在 %1 中保存备份。"};

inline constexpr LocalText notWholeMemory{
    "The stored image is not a whole radio memory (16384 bytes); nothing was written.",
    "保存的映像不是完整的对讲机存储（16384 字节）；未写入任何数据。"};

// A write that reads first could not keep what the radio held (the history cannot be opened, the
// disk is full).
inline constexpr LocalText priorNotKept{
    "The radio's present contents could not be kept in the radio history, so this write could "
    "not be undone.\r\nWrite anyway?",
    "无法将对讲机当前的内容保存到对讲机历史中，此次写入将无法撤销。\r\n仍要写入吗？"};

} // namespace r5k27::RadioJobTexts
