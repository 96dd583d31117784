#pragma once

#include "core/lang/Language.h"

namespace r5k27 {

// Texts of the channel list: every channel of the work mode in one sheet.
struct ChannelSheetCaptions {
    LocalText window{"Channel List", "信道列表"};
    LocalText show{"&Show", "显示(&S)"};
    LocalText allGroups{"All groups", "所有组"};
    LocalText usedOnly{"&Used only", "仅已用(&U)"};
    LocalText step{"S&tep (kHz)", "步进 (kHz)(&T)"};
    LocalText fillDown{"&Fill Down", "向下填充(&F)"};
    LocalText groupColumn{"Group", "组"};
    LocalText sheetTip{
        "Select rows with Shift or Ctrl; a value chosen in one selected row goes to "
        "all of them. Delete clears, Ctrl+C, Ctrl+X and Ctrl+V copy, cut and paste "
        "channels, Ctrl+D fills down.",
        "用 Shift 或 Ctrl 选择多行；在一个已选行中选择的值会用于所有已选行。"
        "Delete 清除，Ctrl+C、Ctrl+X、Ctrl+V 复制、剪切、粘贴信道，Ctrl+D 向下填充。"};

    // What was refused, and where.
    LocalText cell{"Cell %1, %2", "单元格 %1，%2"};
    LocalText notPasted{"These lines were not pasted:", "以下行未粘贴："};
    LocalText pastedLine{"Line %1", "第 %1 行"};
    LocalText notFilled{"These channels kept their frequency:", "以下信道保留原频率："};
    LocalText noStart{"The first selected channel has no frequency to fill down from.",
                      "所选的第一个信道没有可向下填充的频率。"};
    LocalText pasted{"%1 channels pasted.", "已粘贴 %1 个信道。"};
    LocalText filled{"%1 channels filled.", "已向下填充 %1 个信道。"};
    LocalText pastedValues{"%1 values pasted.", "已粘贴 %1 个数值。"};
    // %1 the column's caption
    LocalText notInList{"not in the list of %1", "不在%1的列表中"};

    // Names of the undo steps.
    LocalText editValues{"%1 of %2 channels", "%2 个信道的%1"};
    LocalText editCleared{"%1 channels cleared", "清除 %1 个信道"};
    LocalText editCut{"%1 channels cut", "剪切 %1 个信道"};
    LocalText editPasted{"Paste at %1", "粘贴到 %1"};
    LocalText editFilled{"Fill down of %1 channels", "向下填充 %1 个信道"};
};

inline const ChannelSheetCaptions& channelSheetCaptions() {
    static const ChannelSheetCaptions captions;
    return captions;
}

} // namespace r5k27
