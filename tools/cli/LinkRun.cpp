#include "LinkRun.h"

#include "core/document/DataFile.h"
#include "core/image/RadioLayout.h"
#include "core/link/LinkMessages.h"
#include "platform/RadioPortOpen.h"

#include <algorithm>

namespace r5k27::cli {

bool startTrace(Session& session, SerialLinkPort& port, const QString& tracePath) {
    if (tracePath.isEmpty() || port.setTraceFile(tracePath))
        return true;
    session.fail(DataFileTexts::fileError.in(session.lang()));
    return false;
}

LinkRun::LinkRun(Session& session)
    : session_(session)
    , link_(session.settings, session.versions) {
    link_.engine.setObserver(this);
    session_.prompter.setBeforeMessage([this] { clearProgressLine(); });
    QObject::connect(&stopSignals_, &StopSignals::stopRequested, &stopSignals_,
                     [this] { onStopSignal(); });
}

LinkRun::~LinkRun() {
    session_.prompter.setBeforeMessage({});
    link_.engine.setObserver(nullptr);
}

bool LinkRun::open(const QString& portName, const QString& tracePath) {
    if (!startTrace(session_, link_.port, tracePath))
        return false;
    const bool opened = openRadioPort(link_.port, portName, session_.prompter, session_.lang());
    session_.report.portFailed = !opened;
    return opened;
}

LinkOutcome LinkRun::run(const std::function<void(RadioLink&)>& start) {
    ended_ = false;
    outcome_ = {};
    start(link_.engine);
    radio_ = link_.engine.group().active() ? 1 : 0;
    if (!ended_)
        loop_.exec();
    return outcome_;
}

void LinkRun::progress(int percent) {
    if (!session_.showProgress)
        return;
    const LinkStatus status = link_.engine.status();
    // The end address is the last byte; the block at the current address has arrived.
    const int total = (status.endAddr + 1) / kBlockLen;
    const int done = std::clamp(status.curAddr / kBlockLen + 1, 0, total);
    QString line = progressLine_.update(percent, done, total);
    if (radio_ > 0)
        line.insert(1, QStringLiteral("radio %1: ").arg(radio_));
    session_.err << line;
    session_.err.flush();
    progressShown_ = true;
}

void LinkRun::radioCompleted(int radiosDone) {
    radio_ = radiosDone + 1;
    if (stopAfterRadio_)
        // Once the engine has finished its own step.
        QTimer::singleShot(0, &stopSignals_, [this] { link_.engine.stop(); });
}

void LinkRun::onStopSignal() {
    RadioLink& engine = link_.engine;
    if (stopSignals_.count() == 1 && engine.isRunning() && !engine.mayStopNow()) {
        stopAfterRadio_ = engine.group().active();
        return;
    }
    engine.stop();
}

void LinkRun::closeProgress() {
    clearProgressLine();
}

void LinkRun::decide(const LinkDecision& decision) {
    link_.engine.decide(askLinkQuestion(session_.prompter, decision, session_.settings));
}

void LinkRun::finished(const LinkOutcome& outcome) {
    if (quietCompletion_ && outcome.success)
        for (const QString& notice : outcomeNotices(outcome, session_.lang()))
            session_.prompter.warn(notice);
    else
        tellOutcome(session_.prompter, outcome, session_.lang());
    ended_ = true;
    outcome_ = outcome;
    session_.report.linkEnded(outcome);
    loop_.quit();
}

void LinkRun::clearProgressLine() {
    if (!progressShown_)
        return;
    progressShown_ = false;
    session_.err << '\n';
    session_.err.flush();
}

} // namespace r5k27::cli
