#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

namespace r5k27::test {

// Runs body in a forked copy of the test process, which ends without cleaning up, and returns
// what body returned; a child that dies or exits early is reported as text. For checks that
// change process-wide limits or must survive being killed.
QString runInChild(const std::function<QString()>& body);

// A full disk without privileges: no file of this process may grow beyond bytes (-1: no limit),
// and a write past the limit fails (SIGXFSZ ignored) instead of ending the process.
void setFileSizeLimit(long long bytes);

// Runs body in a forked copy and kills it with SIGKILL `after` its start, so a write can be cut
// off at any moment.
void killDuring(const std::function<void()>& body, std::chrono::microseconds after);

// A file's whole content, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);

// Replaces a file's content; a failure fails the running test.
void putFileBytes(const QString& path, const QByteArray& bytes);

} // namespace r5k27::test
