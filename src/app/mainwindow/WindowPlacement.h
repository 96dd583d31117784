#pragma once

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

// A window rectangle kept from a larger or another screen, shrunk and moved so all of it lies
// within the available part of the current one.
QRect fittedToScreen(const QRect& wanted, const QRect& available);

WindowPlacement readMainWindowPlacement(const UserSettingsStore& store);
void writeMainWindowPlacement(UserSettingsStore& store, const WindowPlacement& placement);

} // namespace r5k27
