#include "SimSession.h"

#include "core/link/LinkMessages.h"
#include "platform/RadioPortOpen.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace r5k27::test {

LinkSession::LinkSession() {
    link.engine.setObserver(this);
}

bool LinkSession::start(LinkOp op, const QString& device, int groupSize) {
    ended = succeeded = false;
    outcome = {};
    if (!openRadioPort(link.port, device, prompter, settings.language))
        return false;
    RadioLink& engine = link.engine;
    if (op == LinkOp::Read)
        engine.startRead();
    else if (op == LinkOp::Write && groupSize > 0)
        engine.startGroupWrite(image, groupSize);
    else if (op == LinkOp::Write)
        engine.startWrite(image);
    else if (op == LinkOp::Identify)
        engine.startIdentify();
    else
        engine.startRadioInfo();
    return true;
}

bool LinkSession::run(LinkOp op, const QString& device, int groupSize, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    if (!start(op, device, groupSize))
        return false;
    QEventLoop loop;
    quit_ = [&loop] { loop.quit(); };
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bound.start(limitMs);
    if (!ended)
        loop.exec();
    elapsedMs = clock.elapsed();
    quit_ = nullptr;
    const bool endedInTime = ended;
    if (!endedInTime)
        link.engine.stop();
    return endedInTime;
}

void LinkSession::decide(const LinkDecision& decision) {
    link.engine.decide(askLinkQuestion(prompter, decision, settings));
}

void LinkSession::finished(const LinkOutcome& result) {
    tellOutcome(prompter, result, settings.language);
    outcome = result;
    ended = true;
    succeeded = result.success;
    if (quit_)
        quit_();
}

} // namespace r5k27::test
