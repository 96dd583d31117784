#pragma once

namespace r5k27 {

struct AppContext;
class MainWindow;
class Prompter;

// Puts the channel window into the main window (menu item, tree entry, every "show the channel
// window" step) and shows it, as the program starts with it open.
void registerChannelWindow(AppContext& ctx, MainWindow& window, Prompter& prompter);

} // namespace r5k27
