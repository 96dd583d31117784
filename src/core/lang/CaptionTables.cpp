#include "CaptionTables.h"

namespace r5k27 {

namespace {

void initMessages(MessageCaptions& m) {
    m.allDataCleared = CaptionTable({"All data will be cleared.", "所有数据将被清空。"});
    m.fileModifiedSaveNow =
        CaptionTable({"File has been modify,save it now?", "当前文件已被修改，是否现在保存？"});
    m.overwriteContinue =
        CaptionTable({"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"});
    m.fileError = CaptionTable({"file error.", "文件错误。"});
    m.dataFileFilter = CaptionTable({"Data File (*.dat)|*.dat", "数据文件 (*.dat)|*.dat"});
    m.fileNameLabel = CaptionTable({"File Name", "文件名"});
    m.systemInfoUnavailable =
        CaptionTable({"System information is not available at this time.", "此时系统信息不可用"});
    m.systemInfo = CaptionTable({"&System Info...", "系统信息(&S)..."});
    m.treeRogerBeep = CaptionTable({"Roger Beep", "RB音"});
}

void initLanguageWindow(LanguageWindowCaptions& w) {
    w.window = CaptionTable({"Language Setup", "语言设置"});
    w.languageMode = CaptionTable({"Language Mode", "语言模式"});
    w.names = {QString(), QStringLiteral("English"), QStringLiteral("Chinese"),
               QString::fromUtf8("英语"), QString::fromUtf8("中文")};
}

} // namespace

QString CaptionTables::languageName(int language, int display) const {
    if (!isValidLangIndex(language) || !isValidLangIndex(display))
        return {};
    return languageWindow.names[static_cast<std::size_t>(2 * display - 2 + language)];
}

void initCaptionTables(CaptionTables& t) {
    initMessages(t.messages);
    t.modelInfo = {CaptionTable({"Model Type", "机型类型"}), CaptionTable({"Frequency", "频率"}),
                   CaptionTable({"Model Information", "机型信息"})};
    t.commPort = {CaptionTable({"Communication Port", "通信端口"}),
                  CaptionTable({"COM", "通信口"})};
    initLanguageWindow(t.languageWindow);
    for (const MenuCaption& caption : mainMenuCaptions())
        t.menu[static_cast<std::size_t>(caption.item)] = CaptionTable(caption.text);
    t.buttons = {CaptionTable({"&Close", "关闭(&C)"}), CaptionTable({"&Print", "打印(&P)"}),
                 CaptionTable({"&Help", "帮助(&H)"}), CaptionTable({"&OK", "确定(&O)"}),
                 CaptionTable({"&Cancel", "取消(&C)"})};
    t.progress = {CaptionGrid({"Read data from radio", "从对讲机读取数据"},
                              {"Write data to radio", "向对讲机写入数据"}),
                  CaptionTable({"Completion percentage:", "完成进度:"})};
}

} // namespace r5k27
