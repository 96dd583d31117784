#include "RadioCommands.h"

#include "GroupProgressWindow.h"
#include "core/document/TextFrequencies.h"
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
    , link_(ctx.settings, ctx.versions) {
    link_.engine.setObserver(this);
    timerWrite_.setObjectName(QStringLiteral("TimerWrite"));
    timerWrite_.setSingleShot(true);
    timerWrite_.setInterval(kTimerWriteMs);
    connect(&timerWrite_, &QTimer::timeout, this, [this] { runWrite(0); });
}

RadioCommands::~RadioCommands() {
    link_.engine.setObserver(nullptr);
    link_.engine.stop();
}

Language RadioCommands::lang() const {
    return ctx_.settings.language;
}

bool RadioCommands::isBusy() const {
    return link_.engine.isRunning() || timerWrite_.isActive() || window_;
}

bool RadioCommands::claimLink() {
    if (timerWrite_.isActive() || window_)
        return false;
    if (link_.engine.isRunning()) {
        if (link_.engine.op() != LinkOp::RadioInfo)
            return false;
        link_.engine.stop();
    }
    return true;
}

bool RadioCommands::openPort() {
    return openRadioPort(link_.port, radioPortName(ctx_.settings), s_.prompter, lang());
}

bool RadioCommands::confirm(const LocalText& what) {
    const QString question =
        what.in(lang()) + QStringLiteral("\r\n") + RadioTexts::continueQuestion.in(lang());
    if (s_.prompter.ask(question, Buttons::OkCancel, Icon::Question) == Answer::Ok)
        return true;
    link_.port.close();
    return false;
}

void RadioCommands::read() {
    if (!claimLink() || !s_.shell.mayReplaceDocument() || !openPort() ||
        !confirm(RadioTexts::readConfirm))
        return;
    runProgressWindow(new ProgressWindow(ctx_.captions.progress.read.in(lang()),
                                         ctx_.captions.progress.completion.in(lang()),
                                         s_.shell.window()),
                      [this] { link_.engine.startRead(); });
}

void RadioCommands::readForCompare(const std::function<void(const QByteArray&)>& done) {
    if (!claimLink() || !openPort())
        return;
    comparing_ = true;
    runProgressWindow(new ProgressWindow(ctx_.captions.progress.read.in(lang()),
                                         ctx_.captions.progress.completion.in(lang()),
                                         s_.shell.window()),
                      [this] { link_.engine.startRead(); });
    comparing_ = false;
    if (!comparedImage_.isEmpty())
        done(std::exchange(comparedImage_, {}));
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

void RadioCommands::runWrite(int groupSize) {
    const Document& doc = ctx_.doc;
    // A value the radio cannot hold is reported before the port is touched.
    QByteArray radioBuf = prepareRadioBuf();
    if (const auto refusal = encodeImage(doc.curImage, doc.chTable, radioBuf)) {
        s_.prompter.ask(refusal->message(lang()), Buttons::Ok, Icon::Warning);
        return;
    }
    if (!confirmTextFrequencies(doc.curImage, doc.chTable, s_.prompter, lang()))
        return;
    if (!openPort() || !confirm(RadioTexts::writeConfirm))
        return;
    if (!s_.backups.saveBeforeWrite(doc, ctx_.settings))
        messages_.post(RadioTexts::backupFailed.in(lang()).arg(s_.backups.folder()));

    const QString caption = ctx_.captions.progress.write.in(lang());
    const QString completion = ctx_.captions.progress.completion.in(lang());
    if (groupSize <= 0) {
        runProgressWindow(new ProgressWindow(caption, completion, s_.shell.window()),
                          [this, radioBuf] { link_.engine.startWrite(radioBuf); });
        if (!pendingCompletion_.isEmpty())
            verifyWrite(radioBuf);
        return;
    }
    stopAfterRadio_ = false;
    auto* window = new GroupProgressWindow(
        {caption, completion, RadioTexts::radioNumberLabel.in(lang()),
         RadioTexts::connectNextRadio.in(lang()), ctx_.captions.buttons.cancel.in(lang())},
        groupSize, s_.shell.window());
    groupWindow_ = window;
    runProgressWindow(window, [this, radioBuf, groupSize] {
        link_.engine.startGroupWrite(radioBuf, groupSize, ctx_.settings.verifyAfterWriting);
    });
}

void RadioCommands::radioInfo() {
    runInfo();
}

void RadioCommands::runInfo() {
    if (!claimLink() || !openPort())
        return;
    link_.engine.startRadioInfo();
}

void RadioCommands::runProgressWindow(LinkProgressWindow* window, std::function<void()> start) {
    const std::unique_ptr<LinkProgressWindow> owned(window);
    window_ = window;
    connect(window, &LinkProgressWindow::started, this, std::move(start));
    connect(window, &LinkProgressWindow::closeRequested, this, &RadioCommands::onCloseRequested);
    window->exec();
    // Whatever ended the window's loop, the link does not outlive it.
    link_.engine.stop();
    window_ = nullptr;
    groupWindow_ = nullptr;
}

void RadioCommands::onCloseRequested() {
    RadioLink& engine = link_.engine;
    // A radio left half written does not work. A single write whose blocks are going out runs
    // to its end (a silent radio still ends it through the Retry/Cancel question); a group write
    // finishes the radio in progress first.
    if (engine.isRunning() && !engine.mayStopNow()) {
        if (groupWindow_) {
            stopAfterRadio_ = true;
            groupWindow_->showStopping(RadioTexts::stoppingAfterRadio.in(lang()));
        }
        return;
    }
    engine.stop();
    if (window_)
        window_->finish();
}

void RadioCommands::progress(int percent) {
    if (groupWindow_ && groupWindow_->isVisible())
        groupWindow_->showBlockProgress(percent);
    else if (window_ && window_->isVisible())
        window_->setProgressValue(percent);
}

void RadioCommands::radioCompleted(int radiosDone) {
    if (groupWindow_)
        groupWindow_->setRadiosDone(radiosDone);
    if (!stopAfterRadio_)
        return;
    // Stopped once the engine has finished its own step.
    QTimer::singleShot(0, this, [this] {
        link_.engine.stop();
        if (window_)
            window_->finish();
    });
}

void RadioCommands::closeProgress() {
    if (window_)
        window_->finish();
}

void RadioCommands::decide(const LinkDecision& decision) {
    link_.engine.decide(askLinkQuestion(s_.prompter, decision, ctx_.settings));
}

void RadioCommands::readSucceeded(const QByteArray& radioImage) {
    Document& doc = ctx_.doc;
    // Decoded aside, so nothing of the open document changes unless all of it can.
    MemoryImage image = doc.curImage;
    ChTable table = doc.chTable;
    const DecodeResult decoded = decodeImage(radioImage, image, table);
    if (!decoded)
        return;
    s_.shell.closeAllChildren();
    // One step of Undo, so the edits the read replaced can be had back.
    ctx_.model.takeValues(image, table, RadioTexts::readStep);
    doc.docPath = kUntitledDocPath;
    doc.docUntitled = true;
    s_.shell.showReadDocument();
    // Shown just before the completion message: values the radio could not take back on a write.
    if (!decoded.replaced.isEmpty())
        s_.prompter.warn(replacementReport(decoded.replaced, lang()));
    if (!s_.backups.saveRead(radioImage, image, table, ctx_.settings))
        s_.prompter.warn(RadioTexts::backupFailed.in(lang()).arg(s_.backups.folder()));
}

void RadioCommands::verifyWrite(const QByteArray& sent) {
    verifying_ = true;
    verifySent_ = sent;
    if (openPort())
        runProgressWindow(new ProgressWindow(VerifyTexts::verifyAfterWriting.in(lang()),
                                             ctx_.captions.progress.completion.in(lang()),
                                             s_.shell.window()),
                          [this] { link_.engine.startRead(); });
    verifying_ = false;
    pendingCompletion_.clear();
}

void RadioCommands::finishVerify(const LinkOutcome& outcome) {
    for (const QString& notice : outcomeNotices(outcome, lang()))
        s_.prompter.warn(notice);
    if (window_ && window_->isVisible())
        window_->finish();
    if (!outcome.success)
        return;
    const QStringList mismatches = writeMismatches(verifySent_, outcome.image, lang());
    if (mismatches.isEmpty())
        s_.prompter.inform(pendingCompletion_);
    else
        s_.prompter.error(verifyFailureText(mismatches, lang()));
}

void RadioCommands::finished(const LinkOutcome& outcome) {
    messages_.showAll(s_.prompter);
    if (verifying_)
        return finishVerify(outcome);
    for (const QString& notice : outcomeNotices(outcome, lang()))
        s_.prompter.warn(notice);
    if (outcome.success && outcome.op == LinkOp::Read && comparing_) {
        comparedImage_ = outcome.image;
        if (window_ && window_->isVisible())
            window_->finish();
        return;
    }
    if (outcome.success && outcome.op == LinkOp::Read)
        readSucceeded(outcome.image);
    // A radio that read back other values was written but does not count as done.
    const QString count =
        radiosWrittenLine(outcome.radiosDone - int(outcome.verifyFailures.size()));
    const bool verifyNext = outcome.success && outcome.op == LinkOp::Write && !groupWindow_ &&
                            ctx_.settings.verifyAfterWriting;
    if (const QString done = completionMessage(outcome, lang(), count); verifyNext)
        pendingCompletion_ = done;
    else if (!done.isEmpty())
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
