#pragma once

namespace r5k27 {

// Ends the process once the main window has closed. What the user chose is on disk by then
// (every settings write is synced, files are saved whole), so the windows, the sound system
// and the platform connection are not torn down one by one while the user waits.
[[noreturn]] void endProgram(int status);

} // namespace r5k27
