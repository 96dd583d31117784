#include "LinkRun.h"

#include "image/DataFile.h"
#include "platform/RadioPortOpen.h"

namespace r5k27::cli {

bool startTrace(Session& session, SerialLinkPort& port, const QString& tracePath) {
    if (tracePath.isEmpty() || port.setTraceFile(tracePath))
        return true;
    session.fail(DataFileTexts::fileError.in(session.lang()));
    return false;
}

LinkRun::LinkRun(Session& session)
    : session_(session)
    , link_(session.prompter, messages_, session.settings, session.versions) {
    link_.engine.setObserver(this);
    session_.prompter.setBeforeMessage([this] { clearProgressLine(); });
}

LinkRun::~LinkRun() {
    session_.prompter.setBeforeMessage({});
    link_.engine.setObserver(nullptr);
}

bool LinkRun::open(LinkOp op, const QString& portName, const QString& tracePath) {
    if (!startTrace(session_, link_.port, tracePath))
        return false;
    return openRadioPort(link_.engine, op, link_.port, portName, session_.prompter,
                         session_.lang());
}

bool LinkRun::run() {
    ended_ = succeeded_ = false;
    link_.engine.startHandshake();
    if (!ended_)
        loop_.exec();
    return succeeded_;
}

void LinkRun::progress(int percent) {
    if (!session_.showProgress)
        return;
    session_.err << '\r';
    if (link_.engine.groupMode())
        session_.err << "radio " << radio_ << ": ";
    session_.err << percent << '%';
    session_.err.flush();
    progressShown_ = true;
}

void LinkRun::radioCompleted(int radiosDone) {
    radio_ = radiosDone + 1;
}

void LinkRun::closeProgress() {
    clearProgressLine();
}

void LinkRun::finished(bool success) {
    ended_ = true;
    succeeded_ = success;
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
