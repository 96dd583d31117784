#include "LinkRun.h"

#include "core/lang/LinkTexts.h"
#include "core/link/FieldReports.h"
#include "core/link/LinkMessages.h"

namespace r5k27::cli {

LinkRun::LinkRun(Session& session)
    : session_(session)
    , backups_(LinkBackups::defaultFolder())
    , job_(session.settings, session.versions, session.prompter) {
    job_.setObserver(this);
    job_.setBackups(&backups_);
    job_.setListener(&session.history);
    session_.prompter.setBeforeMessage([this] { clearProgressLine(); });
    QObject::connect(&stopSignals_, &StopSignals::stopRequested, &stopSignals_,
                     [this] { onStopSignal(); });
}

LinkRun::~LinkRun() {
    session_.prompter.setBeforeMessage({});
    job_.setObserver(nullptr);
}

std::optional<RadioJobResult> LinkRun::run(const RadioJobRequest& request) {
    if (!job_.prepare(request, session_.doc))
        return std::nullopt;
    ended_ = false;
    radio_ = request.kind == RadioJobKind::GroupWrite ? 1 : 0;
    job_.start();
    if (!ended_)
        loop_.exec();
    return job_.result();
}

void LinkRun::progress(ProgressPhase phase, int percent) {
    if (!session_.showProgress)
        return;
    session_.err << '\r';
    if (radio_ > 0)
        session_.err << "radio " << radio_ << ": ";
    if (phase == ProgressPhase::Verifying)
        session_.err << LinkTexts::verifying.in(session_.lang()) << ' ';
    session_.err << percent << '%';
    session_.err.flush();
    progressShown_ = true;
}

void LinkRun::radioCompleted(int radiosDone) {
    radio_ = radiosDone + 1;
}

void LinkRun::onStopSignal() {
    if (stopSignals_.count() == 1)
        job_.requestStop();
    else
        job_.stopNow();
}

void LinkRun::closeProgress() {
    clearProgressLine();
}

void LinkRun::finished(const RadioJobResult& result) {
    const LinkOutcome& outcome = result.outcome;
    if (quietCompletion_ && outcome.success)
        for (const QString& notice : outcomeNotices(outcome, session_.lang()))
            session_.prompter.warn(notice);
    else
        tellOutcome(session_.prompter, outcome, session_.lang());
    ended_ = true;
    loop_.quit();
}

void LinkRun::clearProgressLine() {
    if (!progressShown_)
        return;
    progressShown_ = false;
    session_.err << '\n';
    session_.err.flush();
}

void takeReadDocument(Session& s, const RadioJobResult& read) {
    s.doc.curImage = read.document.curImage;
    s.doc.chTable = read.document.chTable;
    if (!read.replaced.isEmpty())
        s.prompter.warn(replacementReport(read.replaced, s.lang()));
}

} // namespace r5k27::cli
