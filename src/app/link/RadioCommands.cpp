#include "RadioCommands.h"

#include "GroupProgressWindow.h"
#include "core/document/TextFrequencies.h"
#include "core/lang/LinkTexts.h"
#include "core/link/LinkMessages.h"
#include "core/link/MemoryMap.h"
#include "core/link/WriteVerify.h"
#include "link/RadioTexts.h"
#include "platform/RadioPortOpen.h"
#include "platform/SerialPortList.h"
#include "startup/AppContext.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace r5k27 {

RadioCommands::RadioCommands(AppContext& ctx, const Services& services, QObject* parent)
    : QObject(parent)
    , ctx_(ctx)
    , s_(services)
    , job_(ctx.settings, ctx.versions, services.prompter) {
    job_.setObserver(this);
    job_.setBackups(&s_.backups);
    job_.setListener(s_.listener);
    timerWrite_.setObjectName(QStringLiteral("TimerWrite"));
    timerWrite_.setSingleShot(true);
    timerWrite_.setInterval(kTimerWriteMs);
    connect(&timerWrite_, &QTimer::timeout, this, [this] { runWrite(0); });
}

RadioCommands::~RadioCommands() {
    job_.setObserver(nullptr);
}

Language RadioCommands::lang() const {
    return ctx_.settings.language;
}

bool RadioCommands::isBusy() const {
    return job_.isRunning() || timerWrite_.isActive() || window_;
}

bool RadioCommands::mayExitNow() {
    timerWrite_.stop();
    if (!window_) {
        // A radio-information handshake has nothing to finish.
        job_.stopNow();
        return true;
    }
    exitWhenDone_ = true;
    onCloseRequested();
    return false;
}

bool RadioCommands::claimLink() {
    if (timerWrite_.isActive() || window_)
        return false;
    if (job_.isRunning()) {
        if (job_.request().kind != RadioJobKind::RadioInfo)
            return false;
        job_.stopNow();
    }
    return true;
}

RadioJobRequest RadioCommands::request(RadioJobKind kind, int groupSize) const {
    const AppSettings& settings = ctx_.settings;
    // What a radio held is kept by the listener; with none there is nowhere to keep it.
    const bool readFirst =
        s_.listener && (kind == RadioJobKind::Write ? settings.readBeforeWriting
                                                    : settings.readBeforeGroupWriting);
    return {.kind = kind,
            .port = radioPortName(settings),
            .groupSize = groupSize,
            .verify = settings.verifyAfterWriting,
            .readFirst = readFirst && writesRadio(kind)};
}

bool RadioCommands::prepare(RadioJobKind kind, int groupSize) {
    return job_.prepare(request(kind, groupSize), ctx_.doc);
}

bool RadioCommands::confirm(const LocalText& what) {
    const QString question =
        what.in(lang()) + QStringLiteral("\r\n") + RadioTexts::continueQuestion.in(lang());
    if (s_.prompter.ask(question, Buttons::OkCancel, Icon::Question) == Answer::Ok)
        return true;
    job_.cancel();
    return false;
}

void RadioCommands::read() {
    if (!claimLink() || !s_.shell.mayReplaceDocument() || !prepare(RadioJobKind::Read) ||
        !confirm(RadioTexts::readConfirm))
        return;
    runProgressWindow(new ProgressWindow(ctx_.captions.progress.read.in(lang()),
                                         ctx_.captions.progress.completion.in(lang()),
                                         s_.shell.window()),
                      [this] { job_.start(); });
}

void RadioCommands::readForCompare(const std::function<void(const Document&)>& done) {
    if (!claimLink() || !prepare(RadioJobKind::CompareRead))
        return;
    compared_.reset();
    runProgressWindow(new ProgressWindow(ctx_.captions.progress.read.in(lang()),
                                         ctx_.captions.progress.completion.in(lang()),
                                         s_.shell.window()),
                      [this] { job_.start(); });
    if (compared_)
        done(*std::exchange(compared_, std::nullopt));
}

void RadioCommands::write() {
    if (!claimLink())
        return;
    s_.shell.commitPendingEdits();
    timerWrite_.start();
}

void RadioCommands::groupWrite() {
    if (!claimLink())
        return;
    const auto size = s_.groupSize.ask(groupSize_);
    if (!size)
        return;
    groupSize_ = std::clamp(*size, GroupSizeQuestion::kMinRadios, GroupSizeQuestion::kMaxRadios);
    // Every radio of the group gets what the windows show, typed text included.
    s_.shell.commitPendingEdits();
    runWrite(groupSize_);
}

void RadioCommands::writeImage(const QByteArray& image, const QString& documentName) {
    RadioJobRequest write = request(RadioJobKind::Write);
    write.image = image;
    write.documentName = documentName;
    if (!claimLink() || !job_.prepare(write, ctx_.doc) || !confirm(RadioTexts::writeConfirm))
        return;
    runProgressWindow(new ProgressWindow(ctx_.captions.progress.write.in(lang()),
                                         ctx_.captions.progress.completion.in(lang()),
                                         s_.shell.window()),
                      [this] { job_.start(); });
}

void RadioCommands::runWrite(int groupSize) {
    const Document& doc = ctx_.doc;
    if (!confirmTextFrequencies(doc.curImage, doc.chTable, s_.prompter, lang()))
        return;
    // A value the radio cannot hold is reported before the port is touched.
    const RadioJobKind kind = groupSize > 0 ? RadioJobKind::GroupWrite : RadioJobKind::Write;
    if (!prepare(kind, std::max(groupSize, 1)) || !confirm(RadioTexts::writeConfirm))
        return;
    const QString caption = ctx_.captions.progress.write.in(lang());
    const QString completion = ctx_.captions.progress.completion.in(lang());
    if (kind == RadioJobKind::Write) {
        runProgressWindow(new ProgressWindow(caption, completion, s_.shell.window()),
                          [this] { job_.start(); });
        return;
    }
    auto* window = new GroupProgressWindow(
        {caption, completion, RadioTexts::radioNumberLabel.in(lang()),
         RadioTexts::connectNextRadio.in(lang()), ctx_.captions.buttons.cancel.in(lang())},
        groupSize, s_.shell.window());
    groupWindow_ = window;
    runProgressWindow(window, [this] { job_.start(); });
}

void RadioCommands::radioInfo() {
    runInfo();
}

void RadioCommands::runInfo() {
    if (!claimLink() || !prepare(RadioJobKind::RadioInfo))
        return;
    job_.start();
}

void RadioCommands::runProgressWindow(LinkProgressWindow* window, std::function<void()> start) {
    const std::unique_ptr<LinkProgressWindow> owned(window);
    window_ = window;
    window->setPhaseTexts(QString(), LinkTexts::verifying.in(lang()),
                          LinkTexts::readingFirst.in(lang()));
    connect(window, &LinkProgressWindow::started, this, std::move(start));
    connect(window, &LinkProgressWindow::closeRequested, this, &RadioCommands::onCloseRequested);
    window->exec();
    // Whatever ended the window's loop, the link does not outlive it.
    job_.stopNow();
    window_ = nullptr;
    groupWindow_ = nullptr;
    if (std::exchange(exitWhenDone_, false))
        QTimer::singleShot(0, s_.shell.window(), &QWidget::close);
}

void RadioCommands::onCloseRequested() {
    if (!job_.isRunning()) {
        if (window_)
            window_->finish();
        return;
    }
    // A radio left half written does not work. A single write whose blocks are going out runs
    // to its end (a silent radio still ends it through the Retry/Cancel question); a group write
    // finishes the radio in progress first. The window closes when the job ends.
    job_.requestStop();
    if (job_.isRunning() && job_.link().engine.stopRequested() && groupWindow_)
        groupWindow_->showStopping(RadioTexts::stoppingAfterRadio.in(lang()));
}

void RadioCommands::progress(ProgressPhase phase, int percent) {
    if (groupWindow_ && groupWindow_->isVisible())
        groupWindow_->showBlockProgress(phase, percent);
    else if (window_ && window_->isVisible())
        window_->showProgress(phase, percent);
}

void RadioCommands::radioCompleted(int radiosDone) {
    if (groupWindow_)
        groupWindow_->setRadiosDone(radiosDone);
}

void RadioCommands::closeProgress() {
    if (window_)
        window_->finish();
}

void RadioCommands::readSucceeded(const RadioJobResult& result) {
    Document& doc = ctx_.doc;
    s_.shell.closeAllChildren();
    // One step of Undo, so the edits the read replaced can be had back.
    ctx_.model.takeValues(result.document.curImage, result.document.chTable, RadioTexts::readStep);
    doc.docPath = kUntitledDocPath;
    doc.docUntitled = true;
    s_.shell.showReadDocument();
    // Shown just before the completion message: values the radio could not take back on a write.
    if (!result.replaced.isEmpty())
        s_.prompter.warn(replacementReport(result.replaced, lang()));
}

void RadioCommands::finished(const RadioJobResult& result) {
    const LinkOutcome& outcome = result.outcome;
    for (const QString& notice : outcomeNotices(outcome, lang()))
        s_.prompter.warn(notice);
    const bool read = outcome.success && outcome.op == LinkOp::Read;
    if (read && job_.request().kind == RadioJobKind::CompareRead) {
        compared_ = result.document;
        if (window_ && window_->isVisible())
            window_->finish();
        return;
    }
    if (read)
        readSucceeded(result);
    // A radio that read back other values was written but does not count as done.
    const QString count =
        radiosWrittenLine(outcome.radiosDone - int(outcome.verifyFailures.size()));
    if (const QString done = completionMessage(outcome, lang(), count); !done.isEmpty())
        s_.prompter.inform(done);
    // Started only now that this operation has let go of the port.
    if (!outcome.versionToStart.isEmpty() && s_.startVersion)
        s_.startVersion(outcome.versionToStart);

    if (window_ && window_->isVisible())
        window_->finish();
    // Radios finished before a group write stopped stay programmed; the user learns how many.
    if (!outcome.success && groupWindow_ && outcome.radiosDone > 0)
        s_.prompter.inform(RadioTexts::groupStopped.in(lang()) + QStringLiteral("\r\n") + count);
}

QString RadioCommands::radiosWrittenLine(int radiosDone) const {
    if (!groupWindow_)
        return {};
    return RadioTexts::radiosWritten.in(lang()).arg(radiosDone);
}

} // namespace r5k27
