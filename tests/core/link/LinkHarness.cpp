#include "LinkHarness.h"

namespace r5k27::test {

LinkHarness::LinkHarness()
    : radioMemory(kRadioBufSize, '\0') {
    for (int i = 0; i < radioMemory.size(); ++i)
        radioMemory[i] = char((i * 7 + i / 256) & 0xFF);
    link.setObserver(this);
}

void LinkHarness::start(LinkOp op) {
    switch (op) {
    case LinkOp::Read:
        link.startRead();
        return;
    case LinkOp::Write:
        link.startWrite(image);
        return;
    case LinkOp::RadioInfo:
        link.startRadioInfo();
        return;
    case LinkOp::Identify:
        link.startIdentify();
        return;
    case LinkOp::Idle:
        break;
    }
    ADD_FAILURE() << "nothing to start";
}

void LinkHarness::startGroup(int groupSize) {
    link.startGroupWrite(image, groupSize);
}

void LinkHarness::decide(const LinkDecision& decision) {
    link.decide(askLinkQuestion(prompter, decision, settings));
}

void LinkHarness::finished(const LinkOutcome& ended) {
    outcome = ended;
    const Language lang = settings.language;
    for (const QString& notice : outcomeNotices(ended, lang))
        prompter.ask(notice, Buttons::Ok, Icon::Warning);
    if (ended.success && ended.op == LinkOp::Read)
        events << "read succeeded";
    if (const QString done = completionMessage(ended, lang); !done.isEmpty())
        prompter.ask(done, Buttons::Ok, Icon::Information);
    if (!ended.versionToStart.isEmpty())
        events << "start version " + ended.versionToStart;
    events << QString("finished %1").arg(ended.success);
}

QByteArray LinkHarness::identityReply() const {
    QByteArray reply("I");
    reply += radioModel.toLatin1().leftJustified(7, ' ', true);
    reply += '\0';
    reply += radioFirmware.toLatin1().leftJustified(4, ' ', true);
    reply += QByteArray(3, '\0');
    return reply;
}

QByteArray LinkHarness::radioReplyTo(const QByteArray& request) {
    const QByteArray ack(1, LinkFrames::kAck);
    if (request == "PROGRAM")
        return LinkFrames::handshakeReply();
    if (request == QByteArray(1, '\x02'))
        return identityReply();
    if (request == "END")
        return ack;
    const int addr = request.size() >= 3 ? quint8(request[1]) * 256 + quint8(request[2]) : 0;
    if (request.startsWith('R'))
        return LinkFrames::dataFrame(addr, radioMemory.mid(addr, kBlockLen));
    if (request.startsWith('W')) {
        radioMemory.replace(addr, kBlockLen, request.mid(4, kBlockLen));
        return ack;
    }
    ADD_FAILURE() << "unexpected request " << request.toHex().constData();
    return {};
}

void LinkHarness::answer() {
    ASSERT_TRUE(timer.running) << "answer without a pending request";
    receive(radioReplyTo(lastSent()));
}

void LinkHarness::expire() {
    ASSERT_TRUE(timer.running) << "the reply timer was not running";
    ASSERT_EQ(timer.intervalMs, 300);
    link.onReplyTimeout();
}

int LinkHarness::runToEnd(int limit) {
    int n = 0;
    while (link.isRunning() && n < limit) {
        answer();
        ++n;
    }
    EXPECT_FALSE(link.isRunning()) << "operation still running after " << n << " answers";
    return n;
}

void LinkHarness::answerUntil(char lead, int limit) {
    for (int n = 0; n < limit && !lastSent().startsWith(lead); ++n)
        answer();
    ASSERT_TRUE(lastSent().startsWith(lead));
}

} // namespace r5k27::test
