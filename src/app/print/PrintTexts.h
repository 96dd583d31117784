#pragma once

#include "core/lang/Language.h"

namespace r5k27::PrintTexts {

inline constexpr LocalText exportPdf{"Export P&DF…", "导出 PDF(&D)…"};
inline constexpr LocalText exportPdfTitle{"Export PDF", "导出 PDF"};
// %1 page count, %2 file name
inline constexpr LocalText pdfWritten{"%1 pages exported to %2", "已将 %1 页导出到 %2"};
inline constexpr LocalText pdfFilter{"PDF Document (*.pdf)|*.pdf", "PDF 文档 (*.pdf)|*.pdf"};
inline constexpr LocalText title{"Channel Card", "信道卡"};
inline constexpr LocalText file{"File", "文件"};
inline constexpr LocalText date{"Date", "日期"};
inline constexpr LocalText group{"Group %1", "组 %1"};
inline constexpr LocalText memChannels{"MEM channels", "MEM 信道"};
inline constexpr LocalText channel{"Channel", "信道"};
inline constexpr LocalText frequency{"Frequency (MHz)", "频率 (MHz)"};
inline constexpr LocalText mode{"Mode", "模式"};
inline constexpr LocalText tone{"Tone", "亚音"};
inline constexpr LocalText scan{"Scan", "扫描"};
inline constexpr LocalText switchesOn{"On", "开启"};
inline constexpr LocalText switchOff{"Off", "关闭"};
inline constexpr LocalText rssi{"RSSI", "RSSI"};
inline constexpr LocalText steps{"Steps [Hz/ms]", "各音 [Hz/ms]"};
inline constexpr LocalText options{"Options", "可选功能"};
inline constexpr LocalText dtmfCodes{"DTMF codes", "DTMF 编码"};
inline constexpr LocalText none{"none", "无"};
inline constexpr LocalText pageOf{"Page %1 of %2", "第 %1 页，共 %2 页"};

} // namespace r5k27::PrintTexts
