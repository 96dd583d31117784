#pragma once

#include <QtGlobal>

namespace r5k27 {

// Whether a process with this id is running on this machine now. An id that may have been
// reused counts as running: callers use it only to leave another program's work alone.
bool processIsAlive(qint64 pid);

} // namespace r5k27
