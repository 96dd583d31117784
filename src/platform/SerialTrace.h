#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace r5k27 {

// Names the trace file every program writes when it is set.
inline constexpr char kTraceEnvVar[] = "R5K27_TRACE";

// Serial traffic as timestamped hex lines, for bug reports. Each line goes to the file at once,
// so a trace survives a crash. A line that cannot be written is counted, never retried: the
// radio operation goes on and its owner says at the end that the trace is incomplete.
class SerialTrace {
public:
    bool open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    void close() { file_.close(); }
    // Some line since open() did not reach the file.
    bool failed() const { return failed_; }
    QString fileName() const { return file_.fileName(); }
    // Names the port on every line, so several ports can share one trace file.
    void setLabel(const QString& label) { label_ = label; }

    void sent(QByteArrayView bytes) { line(QStringLiteral("TX"), hex(bytes)); }
    void received(QByteArrayView bytes) { line(QStringLiteral("RX"), hex(bytes)); }
    void note(const QString& text) { line(QStringLiteral("--"), text); }

    static QString fileFromEnvironment();

private:
    static QString hex(QByteArrayView bytes);
    void line(const QString& direction, const QString& text);

    QFile file_;
    QString label_;
    bool failed_ = false;
};

} // namespace r5k27
