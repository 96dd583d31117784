#include "RadioCommands.h"

#include "GroupProgressWindow.h"
#include "RadioTexts.h"
#include "link/LinkTexts.h"
#include "link/MemoryMap.h"
#include "platform/RadioPortOpen.h"
#include "platform/SerialPortList.h"
#include "startup/AppContext.h"

#include <algorithm>
#include <memory>

namespace r5k27 {

namespace {
constexpr int kCaptionRead = 1;
constexpr int kCaptionWrite = 2;
} // namespace

RadioCommands::RadioCommands(AppContext& ctx, const Services& services, QObject* parent)
    : QObject(parent)
    , ctx_(ctx)
    , s_(services)
    , linkPrompter_(services.prompter, {}, [this] { return radiosWrittenLine(); })
    , link_(linkPrompter_, messages_, ctx.settings, ctx.versions) {
    link_.engine.setObserver(this);
    timerWrite_.setObjectName(QStringLiteral("TimerWrite"));
    timerWrite_.setSingleShot(true);
    timerWrite_.setInterval(kTimerWriteMs);
    connect(&timerWrite_, &QTimer::timeout, this, [this] { runWrite(0); });
}

RadioCommands::~RadioCommands() {
    link_.engine.setObserver(nullptr);
    if (link_.engine.isRunning())
        link_.engine.abandon();
}

int RadioCommands::lang() const {
    return ctx_.settings.langIndex;
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
        link_.engine.abandon();
    }
    return true;
}

bool RadioCommands::openPort(LinkOp op) {
    return openRadioPort(link_.engine, op, link_.port, radioPortName(ctx_.settings), s_.prompter,
                         lang());
}

bool RadioCommands::confirm(const BiText& what) {
    const QString question =
        what.in(lang()) + QStringLiteral("\r\n") + RadioTexts::continueQuestion.in(lang());
    if (s_.prompter.ask(question, Buttons::OkCancel, Icon::Question) == Answer::Ok)
        return true;
    link_.engine.cancelBeforeStart();
    return false;
}

void RadioCommands::read() {
    if (!claimLink() || !openPort(LinkOp::Read) || !confirm(RadioTexts::readConfirm))
        return;
    link_.engine.radioBuf() = prepareRadioBuf();
    runProgressWindow(new ProgressWindow(ctx_.captions.progress.caption.text(kCaptionRead, lang()),
                                         ctx_.captions.progress.completion.text(lang()),
                                         s_.shell.window()));
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
    if (!openPort(LinkOp::Write) || !confirm(RadioTexts::writeConfirm))
        return;
    link_.engine.radioBuf() = radioBuf;
    if (!s_.backups.saveBeforeWrite(doc.curImage, doc.chTable, ctx_.settings))
        messages_.post(RadioTexts::backupFailed.in(lang()).arg(s_.backups.folder()));

    const QString caption = ctx_.captions.progress.caption.text(kCaptionWrite, lang());
    const QString completion = ctx_.captions.progress.completion.text(lang());
    if (groupSize <= 0) {
        runProgressWindow(new ProgressWindow(caption, completion, s_.shell.window()));
        return;
    }
    link_.engine.beginGroupWrite(groupSize);
    stopAfterRadio_ = false;
    linkPrompter_.setCompletionText(LinkTexts::writeCompleted.in(lang()));
    auto* window = new GroupProgressWindow(
        caption, completion, RadioTexts::radioNumberLabel.in(lang()), groupSize, s_.shell.window());
    groupWindow_ = window;
    runProgressWindow(window);
}

void RadioCommands::radioInfo() {
    runInfo(false);
}

void RadioCommands::readRMGDataFromRadio() {
    runInfo(true);
}

void RadioCommands::runInfo(bool freshImage) {
    if (!claimLink() || !openPort(LinkOp::RadioInfo))
        return;
    if (freshImage)
        link_.engine.radioBuf() = prepareRadioBuf();
    link_.engine.startHandshake();
}

void RadioCommands::runProgressWindow(LinkProgressWindow* window) {
    const std::unique_ptr<LinkProgressWindow> owned(window);
    window_ = window;
    connect(window, &LinkProgressWindow::started, this, [this] { link_.engine.startHandshake(); });
    connect(window, &LinkProgressWindow::closeRequested, this, &RadioCommands::onCloseRequested);
    window->exec();
    // Whatever ended the window's loop, the link does not outlive it.
    if (link_.engine.isRunning())
        link_.engine.abandon();
    window_ = nullptr;
    groupWindow_ = nullptr;
}

void RadioCommands::onCloseRequested() {
    RadioLink& engine = link_.engine;
    // A radio left half written does not work. A single write whose blocks are going out runs
    // to its end; a silent radio still ends it through the Retry/Cancel question.
    if (!groupWindow_ && engine.isRunning() && engine.op() == LinkOp::Write &&
        engine.writeStage() == LinkStage::WritingBlocks)
        return;
    if (groupWindow_ && engine.isRunning()) {
        const LinkStage stage = engine.writeStage();
        const bool radioInProgress =
            !engine.justFinished() && stage != LinkStage::ProgramSent && stage != LinkStage::Idle;
        // A radio left half written would not work; the one in progress is finished first.
        if (radioInProgress) {
            stopAfterRadio_ = true;
            groupWindow_->showStopping(RadioTexts::stoppingAfterRadio.in(lang()));
            return;
        }
    }
    if (engine.isRunning())
        engine.abandon();
    if (window_)
        window_->finish();
}

void RadioCommands::progress(int percent) {
    if (window_ && window_->isVisible())
        window_->setProgressValue(percent);
}

void RadioCommands::radioCompleted(int radiosDone) {
    if (groupWindow_)
        groupWindow_->setRadiosDone(radiosDone);
    if (!stopAfterRadio_)
        return;
    // Stopped once the engine has finished its own step.
    QTimer::singleShot(0, this, [this] {
        if (link_.engine.isRunning())
            link_.engine.abandon();
        if (window_)
            window_->finish();
    });
}

void RadioCommands::closeProgress() {
    if (window_)
        window_->finish();
}

void RadioCommands::readSucceeded() {
    Document& doc = ctx_.doc;
    // Decoded aside, so nothing of the open document changes unless all of it can.
    MemoryImage image = doc.curImage;
    ChTable table = doc.chTable;
    AppSettings settings = ctx_.settings;
    const DecodeResult decoded = decodeImage(link_.engine.radioBuf(), image, table, settings);
    if (!decoded)
        return;
    s_.shell.closeAllChildren();
    doc.curImage = image;
    doc.chTable = table;
    ctx_.settings = settings;
    doc.docPath = kUntitledDocPath;
    doc.docUntitled = true;
    s_.shell.showReadDocument();
    // Shown just before the completion message: values the radio could not take back on a write.
    if (!decoded.replaced.isEmpty())
        s_.prompter.warn(replacementReport(decoded.replaced, lang()));
    if (!s_.backups.saveRead(link_.engine.radioBuf(), image, table, settings))
        s_.prompter.warn(RadioTexts::backupFailed.in(lang()).arg(s_.backups.folder()));
}

void RadioCommands::startVersion(const QString& firmwareTag) {
    if (s_.startVersion)
        s_.startVersion(firmwareTag);
}

void RadioCommands::finished(bool success) {
    if (window_ && window_->isVisible())
        window_->finish();
    // Radios finished before a group write stopped stay programmed; the user learns how many.
    if (!success && groupWindow_ && link_.engine.radiosDone() > 0)
        s_.prompter.inform(RadioTexts::groupStopped.in(lang()) + QStringLiteral("\r\n") +
                           radiosWrittenLine());
}

QString RadioCommands::radiosWrittenLine() const {
    if (!groupWindow_)
        return {};
    return RadioTexts::radiosWritten.in(lang()).arg(link_.engine.radiosDone());
}

} // namespace r5k27
