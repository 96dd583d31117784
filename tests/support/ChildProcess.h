#pragma once

#include <QString>
#include <functional>

namespace r5k27::test {

// Runs body in a forked copy of the test process, which ends without cleaning up, and returns
// what body returned; a child that dies or exits early is reported as text. For checks that
// change process-wide limits or must survive being killed.
QString runInChild(const std::function<QString()>& body);

// A full disk without privileges: no file of this process may grow beyond bytes (-1: no limit),
// and a write past the limit fails (SIGXFSZ ignored) instead of ending the process.
void setFileSizeLimit(long long bytes);

} // namespace r5k27::test
