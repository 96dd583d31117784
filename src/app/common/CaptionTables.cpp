#include "CaptionTables.h"

namespace r5k27 {

namespace {

void initMessages(MessageCaptions& m) {
    m.allDataCleared = {"All data will be cleared.", "所有数据将被清空。"};
    m.fileModifiedSaveNow = {"File has been modify,save it now?",
                             "当前文件已被修改，是否现在保存？"};
    m.overwriteContinue = {"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"};
    m.fileError = {"file error.", "文件错误。"};
    m.dataFileFilter = {"Data File (*.dat)|*.dat", "数据文件 (*.dat)|*.dat"};
    m.fileNameLabel = {"File Name", "文件名"};
    m.systemInfoUnavailable = {"System information is not available at this time.",
                               "此时系统信息不可用"};
    m.systemInfo = {"&System Info...", "系统信息(&S)..."};
    m.treeRogerBeep = {"Roger Beep", "RB音"};
}

void initLanguageWindow(LanguageWindowCaptions& w) {
    w.window = {"Language Setup", "语言设置"};
    w.languageMode = {"Language Mode", "语言模式"};
    w.names = {LocalText{"English", "英语"}, LocalText{"Chinese", "中文"}};
}

} // namespace

void initCaptionTables(CaptionTables& t) {
    initMessages(t.messages);
    t.commPort = {{"Communication Port", "通信端口"}, {"COM", "通信口"}};
    initLanguageWindow(t.languageWindow);
    for (const MenuCaption& caption : mainMenuCaptions())
        t.menu[static_cast<std::size_t>(caption.item)] = caption.text;
    t.buttons = {{"&Close", "关闭(&C)"},
                 {"&Print", "打印(&P)"},
                 {"&Help", "帮助(&H)"},
                 {"&OK", "确定(&O)"},
                 {"&Cancel", "取消(&C)"}};
    t.progress = {{"Read data from radio", "从对讲机读取数据"},
                  {"Write data to radio", "向对讲机写入数据"},
                  {"Completion percentage:", "完成进度:"}};
}

} // namespace r5k27
