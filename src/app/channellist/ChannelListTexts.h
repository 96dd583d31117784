#pragma once

#include "lang/Language.h"

namespace r5k27::ChannelListTexts {

inline constexpr BiText exportChannels{"Export Channels…", "导出信道…"};
inline constexpr BiText importChannels{"Import Channels…", "导入信道…"};
inline constexpr BiText csvFilter{"Channel List (*.csv)|*.csv", "信道列表 (*.csv)|*.csv"};
inline constexpr BiText importStep{"Import channels", "导入信道"};
inline constexpr BiText reportTitle{"Import Channels", "导入信道"};
inline constexpr BiText reportSome{"%1 channels imported. These rows were not taken:",
                                   "已导入 %1 个信道。以下各行未导入："};
inline constexpr BiText reportNone{"No row could be imported; the document is unchanged.",
                                   "没有可导入的行，文档未改变。"};
inline constexpr BiText rowColumn{"Row", "行"};
inline constexpr BiText valueColumn{"Value", "值"};
inline constexpr BiText reasonColumn{"Reason", "原因"};

} // namespace r5k27::ChannelListTexts
