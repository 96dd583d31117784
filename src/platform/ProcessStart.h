#pragma once

#include <QString>

namespace r5k27 {

// Starts another program on its own, not tied to this process's lifetime.
bool startDetachedProgram(const QString& path);

} // namespace r5k27
