#pragma once

#include "common/ScreenPlacement.h"
#include "core/common/SettingsTable.h"

#include <QRect>

namespace r5k27 {

class UserSettingsStore;

// The main window's place between runs, in twips.
struct WindowPlacement {
    int left = settingInteger(Settings::mainLeft, {});
    int top = settingInteger(Settings::mainTop, {});
    int width = settingInteger(Settings::mainWidth, {});
    int height = settingInteger(Settings::mainHeight, {});

    QRect inPixels() const;
    static WindowPlacement fromPixels(const QRect& rect);
};

WindowPlacement readMainWindowPlacement(const UserSettingsStore& store);
void writeMainWindowPlacement(UserSettingsStore& store, const WindowPlacement& placement);

} // namespace r5k27
