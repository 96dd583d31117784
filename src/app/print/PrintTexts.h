#pragma once

#include "lang/Language.h"

namespace r5k27::PrintTexts {

inline constexpr BiText exportPdf{"Export P&DF…", "导出 PDF(&D)…"};
inline constexpr BiText exportPdfTitle{"Export PDF", "导出 PDF"};
// %1 page count, %2 file name
inline constexpr BiText pdfWritten{"%1 pages exported to %2", "已将 %1 页导出到 %2"};
inline constexpr BiText pdfFilter{"PDF Document (*.pdf)|*.pdf", "PDF 文档 (*.pdf)|*.pdf"};
inline constexpr BiText title{"Channel Card", "信道卡"};
inline constexpr BiText file{"File", "文件"};
inline constexpr BiText date{"Date", "日期"};
inline constexpr BiText group{"Group %1", "组 %1"};
inline constexpr BiText memChannels{"MEM channels", "MEM 信道"};
inline constexpr BiText channel{"Channel", "信道"};
inline constexpr BiText frequency{"Frequency (MHz)", "频率 (MHz)"};
inline constexpr BiText mode{"Mode", "模式"};
inline constexpr BiText tone{"Tone", "亚音"};
inline constexpr BiText scan{"Scan", "扫描"};
inline constexpr BiText scanAdd{"Add", "加入"};
inline constexpr BiText scanDel{"Del", "删除"};
inline constexpr BiText switchesOn{"On", "开启"};
inline constexpr BiText switchOff{"Off", "关闭"};
inline constexpr BiText rssi{"RSSI", "RSSI"};
inline constexpr BiText steps{"Steps [Hz/ms]", "各音 [Hz/ms]"};
inline constexpr BiText options{"Options", "可选功能"};
inline constexpr BiText dtmfCodes{"DTMF codes", "DTMF 编码"};
inline constexpr BiText none{"none", "无"};
inline constexpr BiText pageOf{"Page %1 of %2", "第 %1 页，共 %2 页"};

} // namespace r5k27::PrintTexts
