#include "SerialLinkPort.h"

#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace r5k27 {

SerialLinkPort::SerialLinkPort(QObject* parent)
    : QObject(parent) {
    connect(&serial_, &QSerialPort::readyRead, this, &SerialLinkPort::onReadyRead);
    connect(&serial_, &QSerialPort::errorOccurred, this, &SerialLinkPort::onError);
    if (const QString path = SerialTrace::fileFromEnvironment(); !path.isEmpty())
        setTraceFile(path);
}

SerialLinkPort::~SerialLinkPort() {
    close();
}

bool SerialLinkPort::setTraceFile(const QString& path) {
    return trace_.open(path);
}

bool SerialLinkPort::open(const QString& portName) {
    close();
    threshold_ = 1;
    openError_ = QSerialPort::NoError;
    portName_ = portName;
    serial_.setPortName(portName);
    serial_.setBaudRate(QSerialPort::Baud9600);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    trace_.setLabel(portName);
    trace_.note(QStringLiteral("open ") + portName);
    if (!serial_.open(QIODevice::ReadWrite)) {
        openError_ = serial_.error();
        trace_.note(QStringLiteral("open failed: ") + serial_.errorString());
        serial_.clearError();
        return false;
    }
    // Cables powered from the control lines need them up; a port without them works as well.
    serial_.setDataTerminalReady(true);
    serial_.setRequestToSend(true);
    serial_.clearError();
    if (latencyRequest_)
        trace_.note(QString::fromLatin1(lowLatencyText(latencyRequest_(serial_.handle()))));
    serial_.clear(QSerialPort::AllDirections);
    gathered_.clear();
    return true;
}

void SerialLinkPort::clearBuffers() {
    gathered_.clear();
    if (serial_.isOpen())
        serial_.clear(QSerialPort::AllDirections);
}

void SerialLinkPort::send(const QByteArray& bytes) {
    if (!serial_.isOpen())
        reopenLostDevice();
    if (!serial_.isOpen())
        return;
    trace_.sent(bytes);
    qsizetype done = 0;
#ifdef Q_OS_UNIX
    // Straight to the device: QSerialPort would write on a later event-loop turn, and that delay
    // adds up over a thousand blocks. Whatever the device does not take now is queued below.
    const ssize_t n = ::write(serial_.handle(), bytes.constData(), size_t(bytes.size()));
    done = n > 0 ? qsizetype(n) : 0;
#endif
    if (done < bytes.size()) {
        serial_.write(bytes.constData() + done, bytes.size() - done);
        serial_.flush();
    }
}

void SerialLinkPort::close() {
    lost_ = false;
    closeDevice();
}

void SerialLinkPort::closeDevice() {
    gathered_.clear();
    if (!serial_.isOpen())
        return;
    serial_.close();
    trace_.note(QStringLiteral("close"));
}

void SerialLinkPort::reopenLostDevice() {
    if (!lost_)
        return;
    // The engine set the reply length for this request before sending it.
    const int threshold = threshold_;
    // open() forgets the loss; a device that is still missing stays lost for the next retry.
    lost_ = !open(QString(portName_));
    threshold_ = threshold;
}

void SerialLinkPort::onReadyRead() {
    const QByteArray piece = serial_.readAll();
    if (piece.isEmpty())
        return;
    trace_.received(piece);
    gathered_ += piece;
    if (threshold_ < 1 || gathered_.size() < threshold_)
        return;
    const QByteArray reply = std::exchange(gathered_, {});
    if (handler_)
        handler_(reply);
}

void SerialLinkPort::onError(QSerialPort::SerialPortError error) {
    // A vanished device (USB cable pulled, the far end of a terminal gone) reports read or
    // resource errors over and over until the port is closed.
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (lost && serial_.isOpen()) {
        trace_.note(QStringLiteral("device lost: ") + serial_.errorString());
        closeDevice();
        lost_ = true;
    }
}

} // namespace r5k27
