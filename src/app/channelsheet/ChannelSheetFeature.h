#pragma once

namespace r5k27 {

struct AppContext;
class MainWindow;
class Prompter;

// Puts the channel list into the main window: its menu item and tree entry open it.
void registerChannelSheetWindow(AppContext& ctx, MainWindow& window, Prompter& prompter);

} // namespace r5k27
