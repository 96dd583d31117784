#pragma once

#include "LowLatency.h"
#include "SerialTrace.h"
#include "core/link/LinkInterfaces.h"

#include <QObject>
#include <QSerialPort>
#include <functional>

namespace r5k27 {

// The radio's serial line: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
// Bytes arrive in pieces; they are gathered until the reply length is reached and then handed
// over all at once.
class SerialLinkPort : public QObject, public LinkPort {
    Q_OBJECT
public:
    using ReceiveHandler = std::function<void(const QByteArray&)>;
    // Asked for low latency on every open; the trace says what it answered.
    using LatencyRequest = std::function<LowLatency(qintptr handle)>;

    // Starts tracing when R5K27_TRACE names a file.
    explicit SerialLinkPort(QObject* parent = nullptr);
    ~SerialLinkPort() override;

    void setReceiveHandler(ReceiveHandler handler) { handler_ = std::move(handler); }
    bool setTraceFile(const QString& path);
    // Some trace line was lost since the trace file was set.
    bool traceLost() const { return trace_.failed(); }
    QString traceFileName() const { return trace_.fileName(); }
    void setLatencyRequest(LatencyRequest request) { latencyRequest_ = std::move(request); }

    // A system port name (ttyUSB0, COM3) or a device path. Input already waiting is dropped.
    bool open(const QString& portName);
    QSerialPort::SerialPortError openError() const { return openError_; }

    bool isOpen() const override { return serial_.isOpen(); }
    void setReplyLength(int bytes) override { threshold_ = bytes; }
    void clearBuffers() override;
    // A device that vanished during an operation is opened again first, so a retried request
    // reaches a cable that was plugged back in.
    void send(const QByteArray& bytes) override;
    void close() override;

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void closeDevice();
    void reopenLostDevice();

    QSerialPort serial_;
    QByteArray gathered_;
    int threshold_ = 1;
    ReceiveHandler handler_;
    LatencyRequest latencyRequest_ = requestLowLatency;
    SerialTrace trace_;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
    QString portName_;
    // The device went away while open; it is opened again on the next send until close().
    bool lost_ = false;
};

} // namespace r5k27
