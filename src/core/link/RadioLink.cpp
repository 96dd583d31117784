#include "RadioLink.h"

#include "IdentityCheck.h"
#include "LinkFrames.h"

#include <utility>

namespace r5k27 {

using LinkFrames::ReplyKind;

RadioLink::RadioLink(LinkPort& port, LinkTimer& timer, const AppSettings& settings,
                     const VersionList& versions)
    : port_(port)
    , waitTimer_(timer)
    , settings_(settings)
    , versions_(versions) {}

void RadioLink::setObserver(LinkObserver* observer) {
    observer_ = observer ? observer : &none_;
}

void RadioLink::begin(LinkOp op, const QByteArray& image, std::optional<int> groupSize,
                      WriteSteps steps) {
    op_ = op;
    transfer_.begin(op, image);
    verifyEach_ = steps.verifyEach && op == LinkOp::Write;
    readFirst_ = steps.readFirst && op == LinkOp::Write;
    readingBack_ = readingFirst_ = priorRead_ = stopPending_ = stopOnReply_ = false;
    sent_ = verifyEach_ || readFirst_ ? transfer_.image() : QByteArray();
    handshakeTries_ = identTries_ = 0;
    awaitingReply_ = inProgrammingMode_ = pollPaused_ = false;
    pending_.reset();
    outcome_ = {};
    outcome_.op = op;
    group_ = {};
    if (groupSize)
        group_.begin(*groupSize);
    if (readFirst_)
        startPriorRead();
    startHandshake();
}

void RadioLink::sendFrame(const QByteArray& bytes, int replyLen) {
    port_.setReplyLength(replyLen);
    port_.clearBuffers();
    awaitingReply_ = true;
    port_.send(bytes);
}

void RadioLink::startHandshake() {
    stage_ = LinkStage::ProgramSent;
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::programRequest(), LinkFrames::kHandshakeReplyLen);
}

void RadioLink::requestIdentity() {
    stage_ = LinkStage::IdentifySent;
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::identifyRequest(), LinkFrames::kIdentityReplyLen);
}

void RadioLink::nextBlock() {
    if (!transfer_.advance()) {
        sendEndRequest(LinkStage::EndSent);
        return;
    }
    if (op_ == LinkOp::Read) {
        waitTimer_.start(kReplyTimeoutMs);
        sendFrame(LinkFrames::readRequest(transfer_.addr(), kBlockLen),
                  LinkFrames::dataFrameLen(kBlockLen));
        return;
    }
    updateProgress();
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::dataFrame(transfer_.addr(), transfer_.block()), LinkFrames::kAckReplyLen);
}

void RadioLink::sendEndRequest(LinkStage stage) {
    stage_ = stage;
    inProgrammingMode_ = false;
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::endRequest(), LinkFrames::kAckReplyLen);
}

void RadioLink::onReceived(const QByteArray& bytes) {
    if (op_ == LinkOp::Idle || !awaitingReply_)
        return;
    switch (LinkFrames::classifyReply(bytes, transfer_.addr(), kBlockLen)) {
    case ReplyKind::Ack:
    case ReplyKind::Handshake:
        break;
    case ReplyKind::Identity:
        if (op_ != LinkOp::RadioInfo)
            outcome_.identity = LinkFrames::parseIdentity(bytes);
        break;
    case ReplyKind::DataFrame:
        transfer_.store(bytes);
        if (movesMemory(op_))
            updateProgress();
        break;
    case ReplyKind::Unrecognised:
        // The timer keeps running: a wrong or short reply ends in a timeout.
        return;
    }
    awaitingReply_ = false;
    advanceLink();
}

// Any recognised reply moves the operation one step; only data frames are compared with the
// request they answer.
void RadioLink::advanceLink() {
    waitTimer_.stop();
    if (stage_ == LinkStage::ProgramSent)
        inProgrammingMode_ = true;
    if (op_ == LinkOp::RadioInfo || stopOnReply_) {
        finishLink(false);
        return;
    }
    switch (stage_) {
    case LinkStage::ProgramSent:
        if (group_.active() && group_.handshakeAnswered() == GroupWriteTally::Next::PollAgain)
            pollAgainLater();
        else
            requestIdentity();
        return;
    case LinkStage::IdentifySent:
        if (op_ == LinkOp::Identify) {
            sendEndRequest(LinkStage::EndSent);
        } else if (group_.active()) {
            // A group write programs whatever radio is attached, and reads the same one first
            // and back.
            stage_ =
                readingBack_ || readingFirst_ ? LinkStage::ReadingBlocks : LinkStage::WritingBlocks;
            nextBlock();
        } else {
            judgeIdentity();
        }
        return;
    case LinkStage::ReadingBlocks:
    case LinkStage::WritingBlocks:
        nextBlock();
        return;
    case LinkStage::EndSent:
        finishLink(true);
        return;
    default:
        finishLink(false);
        return;
    }
}

void RadioLink::judgeIdentity() {
    switch (checkIdentity(outcome_.identity, settings_, versions_)) {
    case IdentityVerdict::Accepted:
        stage_ = op_ == LinkOp::Write ? LinkStage::WritingBlocks : LinkStage::ReadingBlocks;
        nextBlock();
        return;
    case IdentityVerdict::WrongModel:
        outcome_.wrongModel = true;
        sendEndRequest(LinkStage::EndAfterRejection);
        return;
    case IdentityVerdict::OtherFirmware:
        ask(LinkQuestion::OtherFirmware);
        return;
    }
}

void RadioLink::pollAgainLater() {
    // The radio just written may stay attached for minutes; one request per reply period is
    // enough to notice when it goes.
    pollPaused_ = true;
    waitTimer_.start(kReplyTimeoutMs);
}

void RadioLink::updateProgress() {
    if (const auto percent = transfer_.progressStep())
        observer_->progress(*percent);
}

void RadioLink::onReplyTimeout() {
    waitTimer_.stop();
    if (op_ == LinkOp::Idle || pending_)
        return;
    awaitingReply_ = false;
    if (stopOnReply_) {
        finishLink(false);
        return;
    }
    if (std::exchange(pollPaused_, false)) {
        startHandshake();
        return;
    }
    switch (stage_) {
    case LinkStage::ProgramSent:
        if (resendOnce(handshakeTries_))
            startHandshake();
        else
            handshakeTimeout();
        return;
    case LinkStage::IdentifySent:
        if (resendOnce(identTries_))
            requestIdentity();
        else
            handshakeTimeout();
        return;
    case LinkStage::ReadingBlocks:
    case LinkStage::WritingBlocks:
        ask(LinkQuestion::TransferLost);
        return;
    case LinkStage::EndSent:
        // The radio has everything; a missing acknowledgement of the end does not undo that.
        outcome_.endUnconfirmed = true;
        finishLink(true);
        return;
    default:
        finishLink(false);
        return;
    }
}

// Each handshake request is sent twice before anyone is asked.
bool RadioLink::resendOnce(int& tries) {
    if (tries > 0) {
        tries = 0;
        return false;
    }
    ++tries;
    return true;
}

void RadioLink::handshakeTimeout() {
    if (op_ == LinkOp::RadioInfo) {
        finishLink(false);
        return;
    }
    // A radio gone before its read-back, or between its read and its write, is asked about:
    // polling on would reach the next one.
    if (group_.active() && stage_ == LinkStage::ProgramSent && !group_.askOnTimeout() &&
        !readingBack_ && !priorRead_) {
        // Silent polling: counts how long the radio just written has been gone.
        group_.silentTimeout();
        startHandshake();
        return;
    }
    ask(LinkQuestion::NoAnswer);
}

void RadioLink::ask(LinkQuestion question) {
    waitTimer_.stop();
    awaitingReply_ = false;
    pending_ = question;
    if (observer_ == &none_) {
        decide(false);
        return;
    }
    const bool firmware = question == LinkQuestion::OtherFirmware;
    observer_->decide({question, firmware ? outcome_.identity.firmware : QString()});
}

void RadioLink::decide(bool goOn) {
    if (!pending_ || op_ == LinkOp::Idle)
        return;
    switch (*std::exchange(pending_, std::nullopt)) {
    case LinkQuestion::NoAnswer: {
        const bool polling = group_.active() && stage_ == LinkStage::ProgramSent;
        if (!goOn) {
            if (polling)
                group_.stopAsking();
            finishLink(false);
            return;
        }
        if (!polling)
            handshakeTries_ = identTries_ = 0;
        startHandshake();
        return;
    }
    case LinkQuestion::TransferLost:
        if (!goOn) {
            finishLink(false);
            return;
        }
        group_.restartTransfer();
        startOver();
        return;
    case LinkQuestion::OtherFirmware:
        // The other version is started once this operation has let go of the port.
        if (goOn)
            outcome_.versionToStart = outcome_.identity.firmware;
        sendEndRequest(LinkStage::EndAfterRejection);
        return;
    }
}

// From the handshake again with fresh tries and the first block; a read reads every block again.
void RadioLink::startOver() {
    handshakeTries_ = identTries_ = 0;
    transfer_.rewind();
    observer_->progress(0);
    startHandshake();
}

} // namespace r5k27
