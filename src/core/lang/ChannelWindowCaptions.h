#pragma once

#include "Language.h"

namespace r5k27 {

// Texts of the channel window; the detail lists' captions live with the lists.
struct ChannelWindowCaptions {
    LocalText window{"Channel Information", "信道信息"};
    LocalText selectMode{"Select CB/HF", "模式选择"};
    LocalText group{"Band", "组"};
    LocalText emergency{"EMG CHX", "紧急信道"}; // followed by "1" or "2"
    LocalText workChannel{"Work CHX", "当前工作信道"};
    LocalText dualWatch{"DW CHX", "DW信道"}; // followed by "1" or "2"
    LocalText groupValid{"Group Valid", "组有效"};
    LocalText groupName{"Group Name", "组名称"};
    LocalText workGroup{"Work Group", "工作组"};
    LocalText channelColumn{"CH No.", "信道"};
    LocalText frequencyColumn{"Frequency", "频率"};
    LocalText moreInformation{"More Information -- CH ", "更多信息 -- 信道 "};
    LocalText noSuchSetting{"The radio has no such setting.", "对讲机没有此设置。"};
    // What a detail list holds (its tooltip and status-bar message).
    LocalText hintSwitch{"ON or OFF.", "开或关。"};
    LocalText hintTone{"OFF or one of the CTCSS/DCS tones the radio knows.",
                       "关或对讲机支持的一个 CTCSS/DCS 亚音。"};
    LocalText hintRepShift{"OFF, + (transmit above) or - (transmit below).",
                           "关、+（发射频率偏高）或 -（发射频率偏低）。"};
    LocalText hintScan{"Add: scanned; Del: skipped by the scan.",
                       "添加：参与扫描；删除：扫描时跳过。"};
    LocalText hintMode{"The modes switched on in Options; the MEM channels have no PA.",
                       "选项中已开启的模式；MEM 信道没有 PA。"};
    LocalText hintRoger{"OFF or a roger-beep sequence that has steps.",
                        "关或一个已设置音调的 RB 音序列。"};
    LocalText hintDtmf{"OFF or a DTMF code that is set.", "关或一个已设置的 DTMF 码。"};
    LocalText hintGreyedWhenPublic{"Greyed on a public channel: the radio ignores it there.",
                                   "公共信道上变灰：对讲机在公共信道上忽略此设置。"};
    // What the window's other lists hold.
    LocalText hintWorkMode{"The work mode shown: CB or HF, each with its own band and channels.",
                           "显示的工作模式：CB 或 HF，各有自己的频段和信道。"};
    LocalText hintGroup{"The group shown: A to J (A to I on HF), then MEM for M1 to M6.",
                        "显示的组：A 至 J（HF 为 A 至 I），然后是存储信道 M1 至 M6 的 MEM。"};
    LocalText hintWorkGroup{"The group the radio works in: one of the groups in use.",
                            "对讲机工作的组：已启用的组之一。"};
    LocalText hintGroupChannel{"A channel this group has. When that channel is cleared, the "
                               "setting moves to the first remaining channel, or to none.",
                               "本组已有的一个信道。该信道被清除后，此设置移到剩下的第一个信道，"
                               "或为无。"};
    LocalText hintWorkChannel{"The channel the radio starts on in this group; it follows the "
                              "group's channels by itself.",
                              "对讲机在本组中开始工作的信道；随本组的信道自动变化。"};
    LocalText hintGroupValid{"ON: the radio offers this group. The last group in use cannot be "
                             "switched off.",
                             "开：对讲机提供此组。最后一个已启用的组不能关闭。"};
    LocalText groupNameSingleByte{"A group name can hold only letters, digits and signs of the "
                                  "radio's own character set.",
                                  "组名称只能使用对讲机字符集中的字母、数字和符号。"};

    // Names of the undo steps.
    LocalText editFrequency{"Frequency %1", "频率 %1"};
    LocalText editChannelCleared{"Channel %1 cleared", "清除信道 %1"};
    LocalText editDetail{"%1 of channel %2", "信道 %2 的 %1"};
    LocalText editWorkMode{"Work mode %1", "工作模式 %1"};
    LocalText editGroupOn{"Group %1 switched on", "%1 组已打开"};
    LocalText editGroupOff{"Group %1 switched off", "%1 组已关闭"};
    LocalText editGroupName{"Group name %1", "组名称 %1"};
    LocalText editGroupChannel{"%1 of group %2", "%2 组的 %1"};
    LocalText editWorkGroup{"Work group %1", "工作组 %1"};
};

inline const ChannelWindowCaptions& channelWindowCaptions() {
    static const ChannelWindowCaptions captions;
    return captions;
}

} // namespace r5k27
