#include "MainMenuCaptions.h"

namespace r5k27 {

namespace {
using enum MenuItem;

constexpr std::array<MenuCaption, kMenuItemCount> kCaptions{{
    {File, "mnuFile", {"&File", "文件(&F)"}},
    {FileNew, "mnuFileNew", {"&New", "新建(&N)"}},
    {FileOpen, "mnuFileOpen", {"&Open", "打开(&O)"}},
    {FileSave, "mnuFileSave", {"&Save", "保存(&S)"}},
    {FileSaveAs, "mnuFileSaveAs", {"Save &As", "另存为(&A)"}},
    {RadioHistory, "mnuRadioHistory", {"Radio &History…", "对讲机历史…(&H)"}},
    {FilePrint, "mnuFilePrint", {"&Print", "打印(&P)"}},
    {FileExit, "mnuFileExit", {"E&xit", "退出(&X)"}},
    {Model, "mnuModel", {"&Model", "机型(&M)"}},
    {ModelInfo, "mnuModelInfo", {"&Model Information", "机型信息(&M)"}},
    {Band, "MnuBand", {"&Band", "频段(&B)"}},
    {CheckRadioBand, "MnuCheckRadioBand", {"Check Radio &Band", "检查机器频段(&B)"}},
    {FrequencyCheck, "MnuFrequencyCheck", {"Check All Channel &Frequency", "有效频率检测(&F)"}},
    {Edit, "mnuEdit", {"&Edit", "编辑(&E)"}},
    {EditUndo, "mnuEditUndo", {"&Undo", "撤销(&U)"}},
    {EditRedo, "mnuEditRedo", {"&Redo", "重做(&R)"}},
    {ChannelInfo, "mnuChannelInfo", {"&Channel Information", "信道信息(&C)"}},
    {ChannelList, "mnuChannelList", {"Channel &List", "信道列表(&L)"}},
    {OptFeature, "mnuOptFeature", {"&Option Features", "可选功能(&O)"}},
    {ToneTips, "mnuToneTips", {"Roger &Beep", "RB音(&B)"}},
    {KeyAssignm, "mnuKeyAssignm", {"&Key Assignment", "键设置(&K)"}},
    {ScanInfo, "mnuScanInfo", {"&Scan Information", "扫描信息(&S)"}},
    {Dtmf, "mnuDTMF", {"&DTMF", "DTMF(双音多频)(&D)"}},
    {TestFre, "mnuTestFre", {"&Test FreQuence", "测试频率(&T)"}},
    {EmbeddedMsg, "mnuEmbeddedMsg", {"Local &Information", "本机信息(&I)"}},
    {Emg, "mnuEMG", {"Embedded &Message", "嵌入信息(&M)"}},
    {Program, "mnuProgram", {"&Program", "编程(&P)"}},
    {ReadFromRadio, "mnuReadFromRadio", {"&Read from Radio", "从对讲机读取数据(&R)"}},
    {WriteToRadio, "mnuWriteToRadio", {"&Write to Radio", "向对讲机写入数据(&W)"}},
    {MWriteToRadio, "mnuMWriteToRadio", {"Write to &Group of Radios", "成批向对讲机写入数据(&G)"}},
    {Test, "mnuTest", {"&Test Mode", "测试模式(&T)"}},
    {Tools, "mnuTools", {"&Tools", "工具(&T)"}},
    {RadioInfo, "mnuRadioInfo", {"&Radio Information", "对讲机信息(&R)"}},
    {SetRadioInfo, "mnuSetRadioInfo", {"&Set Radio Information", "设置对讲机信息(&S)"}},
    {Set, "mnuSet", {"&Setup", "设置(&S)"}},
    {Comm, "mnuComm", {"&Communication Port", "通讯端口(&C)"}},
    {Language, "mnuLanguage", {"&Language Setup", "语言设置(&L)"}},
    {Initial, "MnuInitial", {"&Initial Setting", "初始化设置(&I)"}},
    {View, "mnuView", {"&View", "视图(&V)"}},
    {TreeView, "mnuTreeView", {"Tree &View", "树视图(&V)"}},
    {ViewToolbar, "mnuViewToolbar", {"&Toolbar", "工具栏(&T)"}},
    {ViewStatusBar, "mnuViewStatusBar", {"&Status Bar", "状态栏(&S)"}},
    {Window, "mnuWindow", {"&Window", "窗口(&W)"}},
    {WindowCascade, "mnuWindowCascade", {"&Cascade", "层叠(&C)"}},
    {WindowTileVertical, "mnuWindowTileVertical", {"Tile Windows &Vertically", "纵向平铺窗口(&V)"}},
    {WindowTileHorizontal,
     "mnuWindowTileHorizontal",
     {"Tile Windows &Horizontally", "横向平铺窗口(&H)"}},
    {WindowArrangeIcons, "mnuWindowArrangeIcons", {"&Arrange Icons", "排列图标(&A)"}},
    {CloseAll, "mnuCloseAll", {"Close All &Windows", "关闭所有窗口(&W)"}},
    {Help, "mnuHelp", {"&Help", "帮助(&H)"}},
    {HelpTopic, "mnuHelpTopic", {"&Help topics", "帮助主题(&H)"}},
    {HelpAbout, "mnuHelpAbout", {"&About BRELLOCK_R5K27", "关于 BRELLOCK_R5K27(&A)"}},
}};

// The table is looked up by position, so its order must follow the enumeration.
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kCaptions.size(); ++i)
        if (static_cast<std::size_t>(kCaptions[i].item) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "menu captions out of order");

} // namespace

const std::array<MenuCaption, kMenuItemCount>& mainMenuCaptions() {
    return kCaptions;
}

} // namespace r5k27
