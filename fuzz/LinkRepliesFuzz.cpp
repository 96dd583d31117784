// The radio link engine fed arbitrary replies, time-outs and answers, with a fake clock.
// Input: the operation (1 byte), then events. An event byte below 0x20 lets the reply timer
// expire; up to 0xEF it delivers that many minus 0x20 raw bytes from the input; from 0xF0 it
// delivers the reply a good radio would give to the last request (data read from the input),
// so the fuzzer reaches every stage. Questions are answered by the next input byte; the
// first byte chooses the operation.
#include "FuzzInput.h"
#include "core/image/VersionList.h"
#include "core/link/LinkFrames.h"
#include "core/link/LinkInterfaces.h"
#include "core/link/LinkTypes.h"
#include "core/link/MemoryMap.h"
#include "core/link/RadioLink.h"

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

// Answers each question from the next input byte and checks what the engine hands over.
class InputObserver : public LinkObserver {
public:
    InputObserver(RadioLink& link, fuzz::FuzzInput& input)
        : link_(link)
        , input_(input) {}
    void decide(const LinkDecision&) override {
        link_.decide(!input_.atEnd() && (input_.byte() & 1) == 0);
    }
    void finished(const LinkOutcome& outcome) override {
        // A read that succeeded hands over the radio's whole memory, and nothing else does.
        const bool fullImage = outcome.image.size() == kRadioBufSize;
        if (outcome.success && outcome.op == LinkOp::Read ? !fullImage : !outcome.image.isEmpty())
            std::abort();
    }

private:
    RadioLink& link_;
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
    const AppSettings settings;
    const VersionList versions = VersionList::builtIn();
    RadioLink link(port, timer, settings, versions);
    InputObserver observer(link, input);
    link.setObserver(&observer);

    switch (input.byte() % 5) {
    case 0:
        link.startRead();
        break;
    case 1:
        link.startWrite(prepareRadioBuf());
        break;
    case 2:
        link.startGroupWrite(prepareRadioBuf(), 1 + input.byte() % 3);
        break;
    case 3:
        link.startIdentify();
        break;
    default:
        link.startRadioInfo();
        break;
    }

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
    }
    if (link.isRunning())
        link.stop();
    return 0;
}
