#pragma once

#include "CaptionTable.h"
#include "MainMenuCaptions.h"

#include <array>

namespace r5k27 {

// Messages and labels of the application shell.
struct MessageCaptions {
    CaptionTable allDataCleared;
    CaptionTable fileModifiedSaveNow;
    CaptionTable overwriteContinue; // follows the quoted file name
    CaptionTable fileError;
    CaptionTable dataFileFilter; // "label (*.dat)|*.dat"
    CaptionTable fileNameLabel;
    CaptionTable systemInfoUnavailable;
    CaptionTable systemInfo;
    CaptionTable treeRogerBeep;
};

struct ModelInfoCaptions {
    CaptionTable modelType;
    CaptionTable frequency;
    CaptionTable modelInformation;
};

struct CommPortCaptions {
    CaptionTable window;
    CaptionTable com;
};

struct LanguageWindowCaptions {
    CaptionTable window;
    CaptionTable languageMode;
    // Names of each language in each display language; see languageName().
    std::array<QString, 5> names;
};

struct ButtonCaptions {
    CaptionTable close;
    CaptionTable print;
    CaptionTable help;
    CaptionTable ok;
    CaptionTable cancel;
};

struct ProgressCaptions {
    CaptionGrid caption; // item 1 read, 2 write
    CaptionTable completion;
};

// Every caption table of the program, filled once at start-up and read-only afterwards.
struct CaptionTables {
    MessageCaptions messages;
    ModelInfoCaptions modelInfo;
    CommPortCaptions commPort;
    LanguageWindowCaptions languageWindow;
    std::array<CaptionTable, kMenuItemCount> menu;
    ButtonCaptions buttons;
    ProgressCaptions progress;

    const QString& menuText(MenuItem item, int lang) const {
        return menu[static_cast<std::size_t>(item)].text(lang);
    }
    // The name of language `language` shown in display language `display`; empty for bad indexes.
    QString languageName(int language, int display) const;
};

void initCaptionTables(CaptionTables& tables);

} // namespace r5k27
