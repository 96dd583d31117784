// The radio link engine fed arbitrary replies, time-outs and answers, with a fake clock.
// Input: the operation (1 byte), then events. An event byte below 0x20 lets the reply timer
// expire; up to 0xEF it delivers that many minus 0x20 raw bytes from the input; from 0xF0 it
// delivers the reply a good radio would give to the last request (data read from the input),
// so the fuzzer reaches every stage. Questions are answered by the next input byte.
#include "FuzzInput.h"
#include "common/MessageQueue.h"
#include "image/VersionList.h"
#include "link/LinkFrames.h"
#include "link/LinkInterfaces.h"
#include "link/LinkTypes.h"
#include "link/MemoryMap.h"
#include "link/RadioLink.h"

#include <cstdlib>

using namespace r5k27;

namespace {

class FakeTimer : public LinkTimer {
public:
    void start(int) override { running = true; }
    void stop() override { running = false; }
    bool running = false;
};

// Gathers received bytes until the reply length is reached, as the serial port does.
class FakePort : public LinkPort {
public:
    bool isOpen() const override { return open; }
    void setReplyLength(int bytes) override { replyLength = bytes; }
    void clearBuffers() override { pending.clear(); }
    void send(const QByteArray& bytes) override { lastRequest = bytes; }
    void close() override { open = false; }

    void deliver(RadioLink& link, const QByteArray& bytes) {
        pending += bytes;
        if (open && replyLength > 0 && pending.size() >= replyLength)
            link.onReceived(std::exchange(pending, {}));
    }

    bool open = true;
    int replyLength = 0;
    QByteArray pending;
    QByteArray lastRequest;
};

class InputPrompter : public Prompter {
public:
    explicit InputPrompter(fuzz::FuzzInput& input)
        : input_(input) {}
    Answer ask(const QString&, Buttons buttons, Icon) override {
        const bool yes = !input_.atEnd() && (input_.byte() & 1) == 0;
        switch (buttons) {
        case Buttons::RetryCancel:
            return yes ? Answer::Retry : Answer::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return yes ? Answer::Yes : Answer::No;
        case Buttons::OkCancel:
            return yes ? Answer::Ok : Answer::Cancel;
        case Buttons::Ok:
            return Answer::Ok;
        }
        return Answer::Cancel;
    }

private:
    fuzz::FuzzInput& input_;
};

QByteArray goodReply(const QByteArray& request, fuzz::FuzzInput& input) {
    if (request == LinkFrames::programRequest())
        return LinkFrames::handshakeReply();
    if (request == LinkFrames::identifyRequest())
        return QByteArray("IZT6666 \0V200\0\0\0", 16);
    if (request.size() == 4 && request[0] == 'R') {
        const int addr = (quint8(request[1]) << 8) | quint8(request[2]);
        QByteArray block = input.take(quint8(request[3]));
        block.append(QByteArray(quint8(request[3]) - block.size(), '\xFF'));
        return LinkFrames::dataFrame(addr, block);
    }
    return QByteArray(1, LinkFrames::kAck);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    FakePort port;
    FakeTimer timer;
    InputPrompter prompter(input);
    MessageQueue messages;
    const AppSettings settings;
    const VersionList versions = VersionList::builtIn();
    RadioLink link(port, timer, prompter, messages, settings, versions);

    const int op = input.byte() % 4;
    link.prepare(op == 0 ? LinkOp::Read : op == 3 ? LinkOp::RadioInfo : LinkOp::Write);
    link.radioBuf() = prepareRadioBuf();
    if (op == 2)
        link.beginGroupWrite(1 + input.byte() % 3);
    link.startHandshake();

    while (link.isRunning() && !input.atEnd()) {
        const std::uint8_t event = input.byte();
        if (event < 0x20) {
            if (timer.running) {
                timer.running = false;
                link.onReplyTimeout();
            }
        } else if (event < 0xF0) {
            port.deliver(link, input.take(event - 0x20));
        } else {
            port.deliver(link, goodReply(port.lastRequest, input));
        }
        if (link.radioBuf().size() != kRadioBufSize)
            std::abort();
    }
    if (link.isRunning())
        link.abandon();
    messages.showAll(prompter);
    return 0;
}
