#pragma once

#include "core/lang/Language.h"

#include <array>
#include <cstddef>

namespace r5k27 {

// Every menu of the main window, in menu-bar order; the control name is the action's objectName.
enum class MenuItem {
    File,
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    RadioHistory,
    FilePrint,
    FileExit,
    Model,
    ModelInfo,
    Band,
    CheckRadioBand,
    FrequencyCheck,
    Edit,
    EditUndo,
    EditRedo,
    ChannelInfo,
    ChannelList,
    OptFeature,
    ToneTips,
    KeyAssignm,
    ScanInfo,
    Dtmf,
    TestFre,
    EmbeddedMsg,
    Emg,
    Program,
    ReadFromRadio,
    WriteToRadio,
    MWriteToRadio,
    Test,
    Tools,
    RadioInfo,
    SetRadioInfo,
    Set,
    Comm,
    Language,
    Initial,
    View,
    TreeView,
    ViewToolbar,
    ViewStatusBar,
    Window,
    WindowCascade,
    WindowTileVertical,
    WindowTileHorizontal,
    WindowArrangeIcons,
    CloseAll,
    Help,
    HelpTopic,
    HelpAbout,
    Count
};

inline constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::Count);

struct MenuCaption {
    MenuItem item;
    const char* control;
    LocalText text;
};

// The captions of the main window's menus in both languages.
const std::array<MenuCaption, kMenuItemCount>& mainMenuCaptions();

inline const MenuCaption& menuCaption(MenuItem item) {
    return mainMenuCaptions()[static_cast<std::size_t>(item)];
}

} // namespace r5k27
