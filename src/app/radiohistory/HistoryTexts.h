#pragma once

#include "core/lang/Language.h"

namespace r5k27::HistoryTexts {

inline constexpr LocalText title{"Radio History", "对讲机历史"};
inline constexpr LocalText from{"From:", "从："};
inline constexpr LocalText to{"To:", "到："};
inline constexpr LocalText kind{"Kind:", "类型："};
inline constexpr LocalText port{"Port:", "端口："};
inline constexpr LocalText outcome{"Outcome:", "结果："};
inline constexpr LocalText fileName{"File name:", "文件名："};
inline constexpr LocalText all{"(all)", "（全部）"};

inline constexpr LocalText openAsDocument{"Open as Document", "作为文件打开"};
inline constexpr LocalText compareWithOpen{"Compare with Open Document", "与打开的文件比较"};
inline constexpr LocalText writeToRadio{"Write to Radio", "写入对讲机"};
inline constexpr LocalText exportRows{"Export…", "导出…"};
inline constexpr LocalText csvFilter{"Radio History (*.csv)|*.csv", "对讲机历史 (*.csv)|*.csv"};

inline constexpr LocalText noImage{"This entry holds no radio image.", "此记录没有对讲机映像。"};
inline constexpr LocalText exported{"%1 operations exported to %2.", "已将 %1 条操作导出到 %2。"};

// Column headings of the table, in the order of HistoryColumn.
inline constexpr LocalText columns[] = {
    {"No.", "序号"},       {"Started", "开始时间"},
    {"Ended", "结束时间"}, {"Kind", "类型"},
    {"Radio No.", "台号"}, {"Port", "端口"},
    {"Cable", "数据线"},   {"Cable Serial", "数据线序列号"},
    {"Model", "机型"},     {"Firmware", "固件"},
    {"Document", "文件"},  {"SHA-256", "SHA-256"},
    {"Outcome", "结果"},   {"Message", "说明"},
    {"Duration", "用时"},  {"Program Version", "软件版本"},
};

} // namespace r5k27::HistoryTexts
