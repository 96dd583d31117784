#pragma once

#include "MainMenuCaptions.h"
#include "core/lang/Accelerators.h"
#include "core/lang/Language.h"

#include <array>

namespace r5k27 {

// Messages and labels of the application shell.
struct MessageCaptions {
    LocalText allDataCleared;
    LocalText fileModifiedSaveNow;
    LocalText overwriteContinue; // follows the quoted file name
    LocalText fileError;
    LocalText dataFileFilter; // "label (*.dat)|*.dat"
    LocalText fileNameLabel;
    LocalText systemInfoUnavailable;
    LocalText systemInfo;
    LocalText treeRogerBeep;
};

struct CommPortCaptions {
    LocalText window;
    LocalText com;
};

struct LanguageWindowCaptions {
    LocalText window;
    LocalText languageMode;
    // The name of each language, in the order of `Language`.
    std::array<LocalText, kLanguageCount> names;
};

struct ButtonCaptions {
    LocalText close;
    LocalText print;
    LocalText help;
    LocalText ok;
    LocalText cancel;
};

struct ProgressCaptions {
    LocalText read;
    LocalText write;
    LocalText completion;
};

// Every caption table of the program, filled once at start-up and read-only afterwards.
struct CaptionTables {
    MessageCaptions messages;
    CommPortCaptions commPort;
    LanguageWindowCaptions languageWindow;
    std::array<LocalText, kMenuItemCount> menu;
    ButtonCaptions buttons;
    ProgressCaptions progress;

    QString menuText(MenuItem item, Language lang) const {
        return menu[static_cast<std::size_t>(item)].in(lang);
    }
    // The name of `language` shown in `display`: "Chinese", "中文".
    QString languageName(Language language, Language display) const {
        return languageWindow.names[indexOf(language)].in(display);
    }
};

void initCaptionTables(CaptionTables& tables);

} // namespace r5k27
