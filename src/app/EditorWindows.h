#pragma once

namespace r5k27 {

struct AppContext;
class MainWindow;
class Prompter;
class ToneSink;

// Each puts one editor window into the main window: its menu item, tree entry and toolbar
// button open it, made on demand.

// The channel window, shown at once as the program starts with it open.
void registerChannelWindow(AppContext& ctx, MainWindow& window, Prompter& prompter);
// The sheet of every channel of the work mode.
void registerChannelSheetWindow(AppContext& ctx, MainWindow& window, Prompter& prompter);
void registerOptionsWindow(AppContext& ctx, MainWindow& window);
void registerDtmfWindow(AppContext& ctx, MainWindow& window);
// Plays on sink, or on the default sound output (owned by the main window) when sink is null.
void registerRogerBeepWindow(AppContext& ctx, MainWindow& window, ToneSink* sink = nullptr);

} // namespace r5k27
