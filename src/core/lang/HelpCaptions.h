#pragma once

#include "Language.h"

#include <array>

// The built-in help page, one section per window; ids are the anchors a user guide will keep.
namespace r5k27::HelpCaptions {

inline constexpr BiText window{"Help", "帮助"};
inline constexpr BiText close{"&Close", "关闭(&C)"};

struct Section {
    const char* id;
    BiText title;
    BiText body;
};

inline constexpr const char* kMainWindow = "main-window";
inline constexpr const char* kChannels = "channels";
inline constexpr const char* kOptions = "options";
inline constexpr const char* kDtmf = "dtmf";
inline constexpr const char* kRogerBeep = "roger-beep";
// The channel list has its section in the user guide only, so far.
inline constexpr const char* kChannelList = "channel-list";

inline constexpr std::array<Section, 5> kSections{{
    {kMainWindow,
     {"Main window", "主窗口"},
     {"Read the radio with Program › Read from Radio, edit the document in the windows of the "
      "Edit menu or the tree, save it with File › Save and write it with Program › Write to "
      "Radio. The status bar shows \"Modified\" while there are unsaved changes. Setup › "
      "Communication Port chooses the serial port of the programming cable.",
      "用\"编程 › 从对讲机读取数据\"读出对讲机，在\"编辑\"菜单或树视图打开的窗口中编辑，用\"文件 › "
      "保存\"保存，用\"编程 › 向对讲机写入数据\"写入对讲机。有未保存的修改时状态栏显示\"已修改\"。"
      "\"设置 › 通讯端口\"选择写频线所接的串口。"}},
    {kChannels,
     {"Channel information", "信道信息"},
     {"Choose the work mode (CB or HF) and the group A to J, then type the frequencies in the "
      "grid. Frequencies outside the band of the work mode are refused. The group settings and "
      "the detail panel apply to the selected group and channel.",
      "选择工作模式（CB 或 HF）和 A 至 J "
      "组，然后在表格中输入频率。超出该工作模式频段的频率不被接受。"
      "组设置和详细信息栏作用于所选的组和信道。"}},
    {kOptions,
     {"Option features", "可选功能"},
     {"General settings of the radio. Each field takes effect as soon as it is left; the tool "
      "tip of a number field names its range.",
      "对讲机的一般设置。每个字段在离开时生效；数字字段的提示给出其范围。"}},
    {kDtmf,
     {"DTMF", "DTMF(双音多频)"},
     {"Encode timings, the decode settings and sixteen autodial codes. In the autodial grid "
      "Enter stores the code and moves to the next row.",
      "编码时间、解码设置和十六个自动拨号码。在自动拨号表格中按回车键保存该码并移到下一行。"}},
    {kRogerBeep,
     {"Roger beep", "RB音"},
     {"Eight tone sequences the radio sends at the end of a transmission. Play sounds the "
      "selected sequence on this computer; Stop ends it.",
      "对讲机在发射结束时发送的八个音调序列。\"播放\"在本机播放所选序列，\"停止\"结束播放。"}},
}};

} // namespace r5k27::HelpCaptions
