#pragma once

#include "core/lang/Language.h"

namespace r5k27::MainWindowTexts {

inline constexpr LocalText recentFiles{"Recent &Files", "最近的文件(&F)"};
inline constexpr LocalText recentFileMissing{
    "The file \"%1\" no longer exists. It has been removed from the list of recent files.",
    "文件“%1”已不存在，已从最近的文件列表中删除。"};

} // namespace r5k27::MainWindowTexts
