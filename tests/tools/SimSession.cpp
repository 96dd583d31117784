#include "SimSession.h"

#include "platform/RadioPortOpen.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace r5k27::test {

QString simPath() {
    return QStringLiteral(R5K27_SIM_PATH);
}

SimProcess::SimProcess(const QStringList& args) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(simPath(), args);
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimProcess::~SimProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(1000);
}

bool SimProcess::stopsOnTerminate() {
    process_.terminate();
    return process_.waitForFinished(5000) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

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
