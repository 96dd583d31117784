#pragma once

#include "Language.h"

namespace r5k27 {

// A control of the options window: the caption beside it and the name of a change to it in
// the Undo and Redo menu items. Captions the radio's front panel prints keep one spelling in
// both languages.
struct OptionControlText {
    LocalText caption;
    LocalText change;
};

namespace OptionWindowText {

inline constexpr LocalText window{"Optional Features", "可选功能"};
inline constexpr LocalText publicFrame{"Public", "公共信道设置"};
inline constexpr LocalText modeEnableFrame{"Mode Enable", "模式开关"};
inline constexpr LocalText fmAmRssi{"FM/AM RSSI", "FM/AM RSSI"};
inline constexpr LocalText usbLsbRssi{"USB/LSB RSSI", "USB/LSB RSSI"};
inline constexpr LocalText megahertz{"MHz", "MHz"};
// The S-meter points of each RSSI frame, left to right.
inline constexpr const char* rssiPoints[6] = {"1", "3", "5", "7", "9", "+30"};
// Names a change to one RSSI point; %1 is the frame's caption, %2 the point.
inline constexpr LocalText rssiChange{"%1 point %2", "%1 %2 点"};

inline constexpr OptionControlText tot{{"TOT", "TOT"}, {"Time-out timer", "发射限时"}};
inline constexpr OptionControlText indic{{"INDIC", "发射时LCD显示"},
                                         {"Transmit display", "发射时LCD显示"}};
inline constexpr OptionControlText mic{{"MIC", "MIC"}, {"MIC level", "MIC 增益"}};
inline constexpr OptionControlText asqLevel{{"ASQ Level", "ASQ等级"}, {"ASQ level", "ASQ等级"}};
inline constexpr OptionControlText noiseGate{{"NOG", "NOG"}, {"NOG", "NOG"}};
inline constexpr OptionControlText color{{"Color", "背光灯颜色"},
                                         {"Backlight colour", "背光灯颜色"}};
inline constexpr OptionControlText scm{{"SCM", "SCM"}, {"Scan mode", "扫描模式"}};
inline constexpr OptionControlText finTone{{"Fin", "Fin"}, {"Fin", "Fin"}};
inline constexpr OptionControlText freqCh{{"Freq_CH", "Freq_CH"},
                                          {"Frequency or channel display", "频率/信道显示"}};
inline constexpr OptionControlText txOffset{{"Tx Offset", "发射频偏"}, {"Tx offset", "发射频偏"}};

inline constexpr OptionControlText beep{{"Beep", "提示音"}, {"Beep", "提示音"}};
inline constexpr OptionControlText swrProtect{{"SWR Protect", "驻波保护"},
                                              {"SWR protect", "驻波保护"}};
inline constexpr OptionControlText swrMax{{"Max", "最大"}, {"SWR limit", "驻波保护门限"}};
inline constexpr OptionControlText battProtect{{"Battery Voltage Protect", "电池电压保护"},
                                               {"Battery voltage protect", "电池电压保护"}};
inline constexpr OptionControlText battMin{{"Min[V]", "最低[V]"},
                                           {"Battery voltage limits", "电池电压范围"}};
inline constexpr OptionControlText battMax{{"Max[V]", "最高[V]"},
                                           {"Battery voltage limits", "电池电压范围"}};

inline constexpr OptionControlText bot{{"BOT", "BOT"}, {"Public BOT code", "公共信道 BOT"}};
inline constexpr OptionControlText eot{{"EOT", "EOT"}, {"Public EOT code", "公共信道 EOT"}};
inline constexpr OptionControlText call{{"CALL", "CALL"}, {"Public CALL code", "公共信道 CALL"}};
inline constexpr OptionControlText hiCut{{"HI-CUT", "HI-CUT"},
                                         {"Public HI-CUT", "公共信道 HI-CUT"}};
inline constexpr OptionControlText nbAnl{{"NB/ANL", "NB/ANL"},
                                         {"Public NB/ANL", "公共信道 NB/ANL"}};
inline constexpr OptionControlText echo{{"ECHO", "ECHO"}, {"Public ECHO", "公共信道 ECHO"}};
inline constexpr OptionControlText add10k{{"+10KHz", "+10KHz"},
                                          {"Public +10KHz", "公共信道 +10KHz"}};
inline constexpr OptionControlText roger{{"Roger", "RB音"}, {"Public roger beep", "公共信道 RB音"}};
inline constexpr OptionControlText mode{{"Mode", "模式"}, {"Public mode", "公共信道模式"}};

inline constexpr OptionControlText fmEnable{{"FM Enable", "FM 模式"}, {"FM enable", "FM 模式开关"}};
inline constexpr OptionControlText amEnable{{"AM Enable", "AM 模式"}, {"AM enable", "AM 模式开关"}};
inline constexpr OptionControlText usbEnable{{"USB Enable", "USB 模式"},
                                             {"USB enable", "USB 模式开关"}};
inline constexpr OptionControlText lsbEnable{{"LSB Enable", "LSB 模式"},
                                             {"LSB enable", "LSB 模式开关"}};
inline constexpr OptionControlText paEnable{{"PA Enable", "PA 模式"}, {"PA enable", "PA 模式开关"}};

} // namespace OptionWindowText

} // namespace r5k27
