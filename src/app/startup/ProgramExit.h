#pragma once

class QWidget;

namespace r5k27 {

// Ends the program's event loops, nested ones included, once window has closed. Qt's own quit
// on the last window closed is dropped when any window is shown before it is carried out (a
// radio operation's closing message), which left the process running with no window.
void quitOnClose(QWidget& window);

// Ends the process once the main window has closed. What the user chose is on disk by then
// (every settings write is synced, files are saved whole), so the windows, the sound system
// and the platform connection are not torn down one by one while the user waits.
[[noreturn]] void endProgram(int status);

} // namespace r5k27
