#pragma once

#include "lang/Language.h"

namespace r5k27::CompareTexts {

inline constexpr BiText compareWithRadio{"Compare with Radio", "与对讲机比较"};
inline constexpr BiText compareWithFile{"Compare with File…", "与文件比较…"};
inline constexpr BiText writeToRadio{"Write to Radio", "写入对讲机"};
inline constexpr BiText takeRadioValues{"Take Radio's Values", "采用对讲机的数据"};
inline constexpr BiText takeFileValues{"Take File's Values", "采用文件的数据"};
inline constexpr BiText close{"Close", "关闭"};
inline constexpr BiText valueColumn{"Value", "项目"};
inline constexpr BiText documentColumn{"Document", "文档"};
inline constexpr BiText radioColumn{"Radio", "对讲机"};
inline constexpr BiText fileColumn{"File", "文件"};
inline constexpr BiText noDifferences{"The document and the radio hold the same values.",
                                      "文档与对讲机中的数据相同。"};
inline constexpr BiText noFileDifferences{"The document and the file hold the same values.",
                                          "文档与文件中的数据相同。"};

} // namespace r5k27::CompareTexts
