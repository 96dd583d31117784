#pragma once

#include "core/lang/Language.h"

namespace r5k27::CompareTexts {

inline constexpr LocalText compareWithRadio{"Compare with Radio", "与对讲机比较"};
inline constexpr LocalText compareWithFile{"Compare with File…", "与文件比较…"};
inline constexpr LocalText writeToRadio{"Write to Radio", "写入对讲机"};
inline constexpr LocalText takeRadioValues{"Take Radio's Values", "采用对讲机的数据"};
inline constexpr LocalText takeFileValues{"Take File's Values", "采用文件的数据"};
inline constexpr LocalText close{"Close", "关闭"};
inline constexpr LocalText valueColumn{"Value", "项目"};
inline constexpr LocalText documentColumn{"Document", "文档"};
inline constexpr LocalText radioColumn{"Radio", "对讲机"};
inline constexpr LocalText fileColumn{"File", "文件"};
inline constexpr LocalText noDifferences{"The document and the radio hold the same values.",
                                         "文档与对讲机中的数据相同。"};
inline constexpr LocalText noFileDifferences{"The document and the file hold the same values.",
                                             "文档与文件中的数据相同。"};

} // namespace r5k27::CompareTexts
