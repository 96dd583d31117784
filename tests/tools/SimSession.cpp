#include "SimSession.h"

#include "platform/RadioPortOpen.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace r5k27::test {

LinkSession::LinkSession() {
    link.engine.setObserver(this);
}

bool LinkSession::run(LinkOp op, const QString& device, int groupSize, int limitMs) {
    ended = succeeded = false;
    if (!openRadioPort(link.engine, op, link.port, device, prompter, settings.langIndex))
        return false;
    if (groupSize > 0)
        link.engine.beginGroupWrite(groupSize);

    QEventLoop loop;
    quit_ = [&loop] { loop.quit(); };
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bound.start(limitMs);
    QElapsedTimer clock;
    clock.start();
    link.engine.startHandshake();
    if (!ended)
        loop.exec();
    elapsedMs = clock.elapsed();
    quit_ = nullptr;
    const bool endedInTime = ended;
    if (!endedInTime)
        link.engine.abandon();
    return endedInTime;
}

void LinkSession::finished(bool success) {
    ended = true;
    succeeded = success;
    if (quit_)
        quit_();
}

} // namespace r5k27::test
