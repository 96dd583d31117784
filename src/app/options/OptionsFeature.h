#pragma once

namespace r5k27 {

struct AppContext;
class MainWindow;

// Makes the options window available from the Edit menu, the toolbar and the tree.
void registerOptionsWindow(AppContext& ctx, MainWindow& window);

} // namespace r5k27
