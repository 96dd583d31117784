#include "LinkRun.h"

#include "core/image/RadioLayout.h"
#include "core/lang/LinkTexts.h"
#include "core/link/FieldReports.h"
#include "core/link/LinkMessages.h"

#include <algorithm>

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
    if (!job_.prepare(request, session_.doc)) {
        session_.report.portFailed = !job_.failureText().isEmpty();
        return std::nullopt;
    }
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
    const LinkStatus status = job_.link().engine.status();
    // The end address is the last byte; the block at the current address has arrived.
    const int total = (status.endAddr + 1) / kBlockLen;
    const int done = std::clamp(status.curAddr / kBlockLen + 1, 0, total);
    QString line = progressLine_.update(percent, done, total);
    if (phase == ProgressPhase::Verifying)
        line.insert(1, LinkTexts::verifying.in(session_.lang()) + u' ');
    else if (phase == ProgressPhase::ReadingFirst)
        line.insert(1, LinkTexts::readingFirst.in(session_.lang()) + u' ');
    if (radio_ > 0)
        line.insert(1, QStringLiteral("radio %1: ").arg(radio_));
    session_.err << line;
    session_.err.flush();
    progressShown_ = true;
}

void LinkRun::radioCompleted(int radiosDone) {
    radio_ = radiosDone + 1;
}

void LinkRun::onStopSignal() {
    if (stopSignals_.count() > 1) {
        job_.stopNow();
        return;
    }
    job_.requestStop();
    if (!ended_)
        tellStopPending(session_);
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
    session_.report.linkEnded(outcome);
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

void tellStopPending(Session& s) {
    static constexpr LocalText kStopPending{
        "Stopping once the radio being written is finished; Ctrl+C again stops at once.",
        "当前对讲机写完后即停止；再按 Ctrl+C 立即停止。"};
    s.prompter.warn(kStopPending.in(s.lang()));
}

void takeReadDocument(Session& s, const RadioJobResult& read) {
    s.doc.curImage = read.document.curImage;
    s.doc.chTable = read.document.chTable;
    if (!read.replaced.isEmpty())
        s.prompter.warn(replacementReport(read.replaced, s.lang()));
}

} // namespace r5k27::cli
