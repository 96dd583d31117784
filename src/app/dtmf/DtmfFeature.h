#pragma once

namespace r5k27 {

struct AppContext;
class MainWindow;

// Makes the DTMF window available from the main window's tree; a code still in its editor is
// stored before a radio write.
void registerDtmfWindow(AppContext& ctx, MainWindow& window);

} // namespace r5k27
