#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace r5k27 {

// Names the trace file every program writes when it is set.
inline constexpr char kTraceEnvVar[] = "R5K27_TRACE";

// Serial traffic as timestamped hex lines, for bug reports. Lines are appended and flushed at
// once, so a trace survives a crash.
class SerialTrace {
public:
    bool open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    void close() { file_.close(); }
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
};

} // namespace r5k27
