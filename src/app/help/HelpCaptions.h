#pragma once

#include "core/lang/Language.h"

// The help window's own texts and the section ids of the user guide that the windows ask for;
// each id is an anchor of both guide sources (docs/guide).
namespace r5k27::HelpCaptions {

inline constexpr LocalText window{"R5K27 Programmer Help", "R5K27 写频软件帮助"};
inline constexpr LocalText close{"&Close", "关闭(&C)"};
inline constexpr LocalText search{"Search the guide", "在说明中搜索"};
inline constexpr LocalText notFound{"Not found", "未找到"};

// The options tables of the guide, built from the option field table.
inline constexpr LocalText generalFrame{"General", "常规"};
inline constexpr LocalText settingColumn{"Setting", "设置"};
inline constexpr LocalText meaningColumn{"What it does", "作用"};
inline constexpr LocalText valuesColumn{"Values", "取值"};
inline constexpr LocalText otherValues{"Values kept without a control of this window",
                                       "本窗口中没有控件的数值"};

inline constexpr const char* kMainWindow = "main-window";
inline constexpr const char* kChannels = "channels";
inline constexpr const char* kChannelList = "channel-list";
inline constexpr const char* kOptions = "options";
inline constexpr const char* kDtmf = "dtmf";
inline constexpr const char* kRogerBeep = "roger-beep";
inline constexpr const char* kPort = "getting-started";
inline constexpr const char* kSeveralRadios = "several-radios";
inline constexpr const char* kCompare = "compare-verify";
inline constexpr const char* kRadioHistory = "radio-history";

} // namespace r5k27::HelpCaptions
