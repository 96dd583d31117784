#pragma once

namespace r5k27 {

struct AppContext;
class MainWindow;
class ToneSink;

// Makes the roger-beep window available from the Edit menu and the tree. It plays on sink, or
// on the machine's default sound output (owned by the main window) when sink is null.
void registerRogerBeepWindow(AppContext& ctx, MainWindow& window, ToneSink* sink = nullptr);

} // namespace r5k27
