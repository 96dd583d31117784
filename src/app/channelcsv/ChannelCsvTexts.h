#pragma once

#include "core/lang/Language.h"

namespace r5k27::ChannelCsvTexts {

inline constexpr LocalText exportChannels{"Export &Channels…", "导出信道(&C)…"};
inline constexpr LocalText importChannels{"&Import Channels…", "导入信道(&I)…"};
inline constexpr LocalText exportTitle{"Export Channels", "导出信道"};
// %1 count, %2 file name
inline constexpr LocalText exported{"%1 channels exported to %2", "已将 %1 个信道导出到 %2"};
inline constexpr LocalText imported{"%1 channels imported from %2", "已从 %2 导入 %1 个信道"};
inline constexpr LocalText importedChanged{"%1 channels imported from %2, %3 of them changed",
                                           "已从 %2 导入 %1 个信道，其中 %3 个已更改"};
inline constexpr LocalText csvFilter{"Channel List (*.csv)|*.csv", "信道列表 (*.csv)|*.csv"};
inline constexpr LocalText importStep{"Import channels", "导入信道"};
inline constexpr LocalText reportTitle{"Import Channels", "导入信道"};
inline constexpr LocalText reportSome{"%1 channels imported. These rows were not taken:",
                                      "已导入 %1 个信道。以下各行未导入："};
inline constexpr LocalText reportChanged{
    "%1 channels imported. These rows were not taken, or were taken changed:",
    "已导入 %1 个信道。以下各行未导入或导入时已更改："};
inline constexpr LocalText reportNone{"No row could be imported; the document is unchanged.",
                                      "没有可导入的行，文档未改变。"};
inline constexpr LocalText rowColumn{"Row", "行"};
inline constexpr LocalText valueColumn{"Value", "值"};
inline constexpr LocalText reasonColumn{"Reason", "原因"};

} // namespace r5k27::ChannelCsvTexts
