#include "RadioJob.h"

#include "LinkBackups.h"
#include "RadioJobTexts.h"
#include "core/document/DataFile.h"
#include "core/link/LinkMessages.h"
#include "core/link/MemoryMap.h"
#include "platform/RadioPortOpen.h"

#include <utility>

namespace r5k27 {

RadioJob::RadioJob(const AppSettings& settings, const VersionList& versions, Prompter& prompter)
    : settings_(settings)
    , prompter_(prompter)
    , link_(settings, versions) {
    link_.engine.setObserver(this);
}

RadioJob::~RadioJob() {
    link_.engine.setObserver(nullptr);
    link_.engine.stop();
}

bool RadioJob::prepare(const RadioJobRequest& request, const Document& doc) {
    request_ = request;
    base_ = doc;
    const bool readFirst = request.readFirst && writesRadio(request.kind);
    operation_ = {request.kind,         request.port, {},
                  request.severalPorts, readFirst,    request.documentName};
    failureText_.clear();
    heldMessages_.clear();
    if (writesRadio(request.kind) && !request.image.isEmpty()) {
        if (request.image.size() != kRadioBufSize) {
            prompter_.warn(RadioJobTexts::notWholeMemory.in(lang()));
            return false;
        }
        operation_.image = request.image;
    } else if (writesRadio(request.kind)) {
        QByteArray image = prepareRadioBuf();
        if (const auto refusal = encodeImage(doc.curImage, doc.chTable, image)) {
            prompter_.warn(refusal->message(lang()));
            return false;
        }
        operation_.image = image;
    }
    if (!request.tracePath.isEmpty() && !link_.port.setTraceFile(request.tracePath)) {
        prompter_.error(DataFileTexts::fileError.in(lang()));
        return false;
    }
    return openPort();
}

bool RadioJob::openPort() {
    if (!request_.port.isEmpty() && link_.port.open(request_.port))
        return true;
    const auto error =
        request_.port.isEmpty() ? QSerialPort::DeviceNotFoundError : link_.port.openError();
    failureText_ = portOpenFailureText(request_.port, error, lang());
    if (tellOpenFailure_)
        prompter_.ask(failureText_, Buttons::Ok, Icon::Error);
    return false;
}

void RadioJob::cancel() {
    link_.port.close();
}

void RadioJob::start() {
    stopped_ = false;
    phase_ = ProgressPhase::Transfer;
    result_ = {};
    // The document sent is kept first, so what went to a radio can always be got back. A stored
    // memory sent back is kept where it came from.
    if (writesRadio(request_.kind) && request_.image.isEmpty() && backups_ &&
        !backups_->saveBeforeWrite(base_, settings_))
        heldMessages_ << RadioJobTexts::backupFailed.in(lang()).arg(backups_->folder());
    if (listener_)
        listener_->operationStarted(operation_);
    startEngine();
}

void RadioJob::startEngine() {
    RadioLink& engine = link_.engine;
    switch (request_.kind) {
    case RadioJobKind::Read:
    case RadioJobKind::CompareRead:
        return engine.startRead();
    case RadioJobKind::Write:
        return engine.startWrite(operation_.image, request_.verify, operation_.readFirst);
    case RadioJobKind::GroupWrite:
        return engine.startGroupWrite(operation_.image, request_.groupSize, request_.verify,
                                      operation_.readFirst);
    case RadioJobKind::Identify:
        return engine.startIdentify();
    case RadioJobKind::RadioInfo:
        return engine.startRadioInfo();
    }
}

void RadioJob::requestStop() {
    stopped_ = true;
    link_.engine.requestStop();
}

void RadioJob::stopNow() {
    stopped_ = true;
    link_.engine.stop();
}

void RadioJob::progress(int percent) {
    observer_->progress(phase_, percent);
}

void RadioJob::verifying() {
    phase_ = ProgressPhase::Verifying;
}

void RadioJob::readingFirst() {
    phase_ = ProgressPhase::ReadingFirst;
    priorStarted_ = QDateTime::currentDateTimeUtc();
}

bool RadioJob::priorContentsRead(const QByteArray& image,
                                 const LinkFrames::RadioIdentity& identity) {
    phase_ = ProgressPhase::Transfer;
    if (listener_ && listener_->priorContentsRead(operation_, {image, identity, priorStarted_}))
        return true;
    if (prompter_.ask(RadioJobTexts::priorNotKept.in(lang()), Buttons::YesNo, Icon::Warning) ==
        Answer::Yes)
        return true;
    // Declined: the radio keeps what it holds, as after a stop.
    stopped_ = true;
    return false;
}

void RadioJob::radioCompleted(int radiosDone) {
    phase_ = ProgressPhase::Transfer;
    observer_->radioCompleted(radiosDone);
}

void RadioJob::closeProgress() {
    observer_->closeProgress();
}

void RadioJob::decide(const LinkDecision& decision) {
    result_.lastQuestion = decision.question;
    result_.firmware = decision.firmware;
    link_.engine.decide(askLinkQuestion(prompter_, decision, settings_));
}

void RadioJob::finished(const LinkOutcome& outcome) {
    result_.outcome = outcome;
    result_.stopped = stopped_;
    if (outcome.success && outcome.op == LinkOp::Read)
        keepReadResult(outcome.image);
    operation_.image = outcome.op == LinkOp::Read ? outcome.image : operation_.image;
    result_.traceLost = link_.port.traceLost();
    if (result_.traceLost)
        heldMessages_ << RadioJobTexts::traceLost.in(lang()).arg(link_.port.traceFileName());
    for (const QString& message : std::exchange(heldMessages_, {}))
        prompter_.warn(message);
    if (listener_)
        listener_->operationEnded(operation_, result_);
    observer_->finished(result_);
}

void RadioJob::keepReadResult(const QByteArray& radioImage) {
    // Decoded aside, so nothing of the caller's document changes unless all of it can.
    Document& doc = result_.document;
    doc = base_;
    const DecodeResult decoded = decodeImage(radioImage, doc.curImage, doc.chTable);
    if (!decoded) {
        result_.outcome.success = false;
        return;
    }
    result_.replaced = decoded.replaced;
    if (request_.kind != RadioJobKind::Read || !backups_)
        return;
    if (!backups_->saveRead(radioImage, doc.curImage, doc.chTable, settings_))
        heldMessages_ << RadioJobTexts::backupFailed.in(lang()).arg(backups_->folder());
}

} // namespace r5k27
