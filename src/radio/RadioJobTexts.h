#pragma once

#include "core/lang/Language.h"

namespace r5k27::RadioJobTexts {

inline constexpr LocalText traceLost{
    "The serial trace could not be written completely (%1); the radio operation itself is not "
    "affected.",
    "串口跟踪文件未能完整写入（%1）；对讲机操作本身不受影响。"};

inline constexpr LocalText backupFailed{"The backup copy could not be saved in %1.",
                                        "无法在 %1 中保存备份。"};

} // namespace r5k27::RadioJobTexts
