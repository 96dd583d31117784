#include "platform/SerialLinkPort.h"

#include "platform/RadioPortOpen.h"
#include "platform/SerialPortList.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

using namespace r5k27;

namespace {

// A pseudo-terminal standing in for a radio's serial line.
struct TestPty {
    int master = -1;
    int device = -1;
    QString path;

    TestPty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        path = QString::fromLocal8Bit(ptsname(master));
        device = ::open(ptsname(master), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios mode{};
        tcgetattr(device, &mode);
        cfmakeraw(&mode);
        tcsetattr(device, TCSANOW, &mode);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    ~TestPty() {
        if (device >= 0)
            ::close(device);
        closeMaster();
    }
    void closeMaster() {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    void radioSends(const QByteArray& bytes) {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), bytes.size());
    }
    QByteArray radioReads() {
        char buf[256];
        const ssize_t n = ::read(master, buf, sizeof buf);
        return n > 0 ? QByteArray(buf, n) : QByteArray();
    }
};

void spin(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

template <typename Pred> bool spinUntil(Pred pred, int ms = 2000) {
    QDeadlineTimer deadline(ms);
    while (!pred() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return pred();
}

struct PortFixture : ::testing::Test {
    TestPty pty;
    SerialLinkPort port;
    QList<QByteArray> received;

    void SetUp() override {
        port.setReceiveHandler([this](const QByteArray& b) { received << b; });
        ASSERT_TRUE(port.open(pty.path));
    }
};

} // namespace

TEST_F(PortFixture, ReplyInPiecesIsHandedOverOnceWhole) {
    port.setReplyLength(22);
    pty.radioSends(QByteArray(10, 'a'));
    spin(60);
    EXPECT_TRUE(received.isEmpty());
    pty.radioSends(QByteArray(12, 'b'));
    ASSERT_TRUE(spinUntil([&] { return !received.isEmpty(); }));
    spin(30);
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0], QByteArray(10, 'a') + QByteArray(12, 'b'));
}

TEST_F(PortFixture, EverythingBufferedIsHandedOverIncludingExtraBytes) {
    port.setReplyLength(3);
    pty.radioSends("ZT\x06\x06\x06");
    ASSERT_TRUE(spinUntil([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received[0], "ZT\x06\x06\x06");
}

TEST_F(PortFixture, ClearingDropsAGatheredPieceAndSendReachesTheRadio) {
    port.setReplyLength(4);
    pty.radioSends("xy");
    spin(60);
    port.clearBuffers();
    port.send("PROGRAM");
    spin(30);
    EXPECT_EQ(pty.radioReads(), "PROGRAM");
    pty.radioSends("ZT\x06\x06");
    ASSERT_TRUE(spinUntil([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received[0], "ZT\x06\x06");
}

TEST_F(PortFixture, InputWaitingBeforeOpenIsDropped) {
    port.close();
    pty.radioSends("stale bytes");
    spin(30);
    ASSERT_TRUE(port.open(pty.path));
    port.setReplyLength(3);
    pty.radioSends("ZT\x06");
    ASSERT_TRUE(spinUntil([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received[0], "ZT\x06");
}

TEST_F(PortFixture, VanishedDeviceClosesThePort) {
    pty.closeMaster();
    EXPECT_TRUE(spinUntil([&] { return !port.isOpen(); }));
    port.send("PROGRAM"); // harmless once closed
}

TEST(SerialLinkPortLoss, DeviceThatCameBackTakesTheNextRequest) {
    // The cable is pulled during a transfer and plugged in again under the same name: the
    // request sent after the user's Retry must reach it.
    test::TempDir dir;
    const QString cable = dir.path("ttyCable");
    TestPty first;
    ASSERT_TRUE(QFile::link(first.path, cable));
    SerialLinkPort port;
    QList<QByteArray> received;
    port.setReceiveHandler([&](const QByteArray& b) { received << b; });
    ASSERT_TRUE(port.open(cable));
    first.closeMaster();
    ASSERT_TRUE(spinUntil([&] { return !port.isOpen(); }));

    TestPty second;
    ASSERT_TRUE(QFile::remove(cable));
    ASSERT_TRUE(QFile::link(second.path, cable));
    port.setReplyLength(3);
    port.clearBuffers();
    port.send("PROGRAM");
    EXPECT_TRUE(port.isOpen());
    QByteArray request;
    EXPECT_TRUE(spinUntil([&] {
        request += second.radioReads();
        return request == "PROGRAM";
    }));
    second.radioSends("ZT");
    spin(40);
    EXPECT_TRUE(received.isEmpty()) << "the reply length survives the reopening";
    second.radioSends("\x06");
    ASSERT_TRUE(spinUntil([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received[0], "ZT\x06");
}

TEST(RadioPortOpen, FailureIsShownAndLeavesThePortClosed) {
    test::ScriptedPrompter prompter;
    SerialLinkPort port;
    for (const QString& name : {QString("/nonexistent/ttyR5K27"), QString()}) {
        EXPECT_FALSE(openRadioPort(port, name, prompter, Language::Chinese));
        EXPECT_FALSE(port.isOpen());
    }
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[0].text, "无法打开通信端口。");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Error);
}

TEST(RadioPortOpen, PortHeldByAnotherProgramIsInUseNotAGroupMatter) {
    TestPty pty;
    SerialLinkPort holder;
    ASSERT_TRUE(holder.open(pty.path));
    SerialLinkPort second;
    test::ScriptedPrompter prompter;
    EXPECT_FALSE(openRadioPort(second, pty.path, prompter, Language::English));
    EXPECT_EQ(second.openError(), QSerialPort::PermissionError);
    EXPECT_EQ(prompter.texts(), QStringList({"Cannot Open Communication Port.\r\n"
                                             "The port is in use by another program."}));

    // Free again once the holder lets go.
    holder.close();
    EXPECT_TRUE(openRadioPort(second, pty.path, prompter, Language::English));
}

TEST(RadioPortOpen, RefusedAccessNamesTheOwningGroup) {
    // A user outside the device's group is told which group to join.
    const QString text = portOpenFailureText(PortRefusal::NotInGroup, "dialout", Language::English);
    EXPECT_TRUE(text.startsWith("Cannot Open Communication Port.\r\n"));
    EXPECT_TRUE(text.contains("\"dialout\""));
    EXPECT_EQ(portOpenFailureText(PortRefusal::Unknown, "dialout", Language::English),
              "Cannot Open Communication Port.");

    TestPty pty;
    EXPECT_EQ(portOpenFailureText(pty.path, QSerialPort::DeviceNotFoundError, Language::English),
              "Cannot Open Communication Port.");
    // A device this user may open was not refused for lack of access: no group hint.
    ASSERT_EQ(::access(pty.path.toLocal8Bit().constData(), R_OK | W_OK), 0);
    EXPECT_EQ(portRefusal(pty.path, QSerialPort::PermissionError), PortRefusal::InUse);
    EXPECT_EQ(portRefusal(pty.path, QSerialPort::DeviceNotFoundError), PortRefusal::Unknown);
}

TEST(SerialPortList, NumbersAndChosenPort) {
    EXPECT_EQ(portNumberOf("COM3"), 3);
    EXPECT_EQ(portNumberOf("COM12"), 12);
    EXPECT_EQ(portNumberOf("ttyUSB0"), 0);
    EXPECT_EQ(portNumberOf("ttyACM"), 0);

    AppSettings settings;
    settings.comPortName = " /dev/serial/by-id/usb-cable ";
    EXPECT_EQ(radioPortName(settings), "/dev/serial/by-id/usb-cable");
    settings.comPortName.clear();
    settings.comPortNo = 4;
#ifdef Q_OS_WIN
    EXPECT_EQ(radioPortName(settings), "COM4");
#else
    EXPECT_EQ(radioPortName(settings), "");
#endif
}

// Every open asks for low latency with the open handle, and the trace says what came of it.
TEST(SerialLinkPortLatency, EveryOpenAsksAndTheTraceSaysTheAnswer) {
    TestPty pty;
    test::TempDir dir;
    SerialLinkPort port;
    ASSERT_TRUE(port.setTraceFile(dir.path("t.log")));
    QList<qintptr> asked;
    LowLatency answer = LowLatency::Granted;
    port.setLatencyRequest([&](qintptr handle) {
        asked << handle;
        return answer;
    });
    ASSERT_TRUE(port.open(pty.path));
    answer = LowLatency::Refused;
    ASSERT_TRUE(port.open(pty.path));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_GE(asked[0], 0);

    const QString trace = QString::fromUtf8(dir.read("t.log"));
    const QString label = "[" + pty.path + "] -- ";
    EXPECT_TRUE(trace.contains(label + "low latency: granted")) << trace.toStdString();
    EXPECT_TRUE(trace.contains(label + "low latency: refused by the port")) << trace.toStdString();

    // A pseudo-terminal has no latency timer: the real request is refused, the port stays usable.
    EXPECT_EQ(requestLowLatency(pty.device), LowLatency::Refused);
    EXPECT_EQ(requestLowLatency(-1), LowLatency::Refused);
}
