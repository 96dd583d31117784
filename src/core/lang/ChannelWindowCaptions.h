#pragma once

#include "Language.h"

namespace r5k27 {

// Texts of the channel window (frmCommChInfo); the detail lists' captions live with the lists.
struct ChannelWindowCaptions {
    BiText window{"Channel Information", "信道信息"};
    BiText selectMode{"Select CB/HF", "模式选择"};
    BiText group{"Band", "组"};
    BiText emergency{"EMG CHX", "紧急信道"}; // followed by "1" or "2"
    BiText workChannel{"Work CHX", "当前工作信道"};
    BiText dualWatch{"DW CHX", "DW信道"}; // followed by "1" or "2"
    BiText groupValid{"Group Valid", "组有效"};
    BiText groupName{"Group Name", "组名称"};
    BiText workGroup{"Work Group", "工作组"};
    BiText channelColumn{"CH No.", "信道"};
    BiText frequencyColumn{"Frequency", "频率"};
    BiText moreInformation{"More Information -- CH ", "更多信息 -- 信道 "};
    BiText noSuchSetting{"The radio has no such setting.", "对讲机没有此设置。"};
    BiText groupNameSingleByte{"A group name can hold only letters, digits and signs of the "
                               "radio's own character set.",
                               "组名称只能使用对讲机字符集中的字母、数字和符号。"};

    // Names of the undo steps.
    BiText editFrequency{"Frequency %1", "频率 %1"};
    BiText editChannelCleared{"Channel %1 cleared", "清除信道 %1"};
    BiText editDetail{"%1 of channel %2", "信道 %2 的 %1"};
    BiText editWorkMode{"Work mode %1", "工作模式 %1"};
    BiText editGroupOn{"Group %1 switched on", "%1 组已打开"};
    BiText editGroupOff{"Group %1 switched off", "%1 组已关闭"};
    BiText editGroupName{"Group name %1", "组名称 %1"};
    BiText editGroupChannel{"%1 of group %2", "%2 组的 %1"};
    BiText editWorkGroup{"Work group %1", "工作组 %1"};
};

inline const ChannelWindowCaptions& channelWindowCaptions() {
    static const ChannelWindowCaptions captions;
    return captions;
}

} // namespace r5k27
