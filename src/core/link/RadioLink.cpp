#include "RadioLink.h"

#include "LinkFrames.h"
#include "LinkProgress.h"
#include "LinkTexts.h"
#include "image/FixedText.h"

#include <algorithm>
#include <utility>

namespace r5k27 {

using LinkFrames::ReplyKind;

namespace {

bool movesMemory(LinkOp op) {
    return op == LinkOp::Read || op == LinkOp::Write;
}

} // namespace

RadioLink::RadioLink(LinkPort& port, LinkTimer& timer, Prompter& prompter, MessageQueue& messages,
                     const AppSettings& settings, const VersionList& versions)
    : port_(port)
    , waitTimer_(timer)
    , prompter_(prompter)
    , messages_(messages)
    , settings_(settings)
    , versions_(versions)
    , radioBuf_(kRadioBufSize, '\xFF') {}

void RadioLink::setObserver(LinkObserver* observer) {
    observer_ = observer ? observer : &defaultObserver_;
}

void RadioLink::prepare(LinkOp op) {
    op_ = op;
    readStage_ = writeStage_ = LinkStage::Idle;
    endAddr_ = op == LinkOp::Write ? kWriteEndAddr : kReadEndAddr;
    curAddr_ = (op == LinkOp::RadioInfo ? kRadioInfoFirstAddr : 0) - kBlockLen;
    lastPercent_ = 0;
    handshakeTries_ = identTries_ = 0;
    justFinished_ = false;
    goneCount_ = confirmCount_ = 0;
    groupMode_ = false;
    askOnTimeout_ = false;
    radiosDone_ = 0;
    groupProgressShown_ = true;
    awaitingReply_ = false;
    versionToStart_.clear();
    radioModel_.clear();
    radioFirmVer_.clear();
    if (radioBuf_.size() != kRadioBufSize)
        radioBuf_.resize(kRadioBufSize, '\xFF');
}

void RadioLink::beginGroupWrite(int groupSize) {
    groupMode_ = true;
    groupSize_ = std::max(1, groupSize);
    radiosDone_ = 0;
    askOnTimeout_ = true;
    groupProgressShown_ = true;
}

LinkStage& RadioLink::runningStage() {
    return op_ == LinkOp::Write ? writeStage_ : readStage_;
}

void RadioLink::sendFrame(const QByteArray& bytes, int replyLen) {
    replyLen_ = replyLen;
    port_.setReplyLength(replyLen);
    port_.clearBuffers();
    awaitingReply_ = true;
    port_.send(bytes);
}

void RadioLink::startHandshake() {
    if (op_ == LinkOp::Idle) {
        readStage_ = writeStage_ = LinkStage::Idle;
        return;
    }
    runningStage() = LinkStage::ProgramSent;
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::programRequest(), LinkFrames::kHandshakeReplyLen);
}

void RadioLink::requestIdentity() {
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::identifyRequest(), LinkFrames::kIdentityReplyLen);
}

void RadioLink::nextReadBlock() {
    curAddr_ += kBlockLen;
    if (curAddr_ >= endAddr_) {
        sendEnd();
        return;
    }
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::readRequest(curAddr_, kBlockLen), LinkFrames::dataFrameLen(kBlockLen));
}

void RadioLink::nextWriteBlock() {
    curAddr_ += kBlockLen;
    if (curAddr_ >= endAddr_) {
        sendEnd();
        return;
    }
    QByteArray data = radioBuf_.mid(curAddr_, kBlockLen);
    data.resize(kBlockLen, '\xFF');
    updateProgress();
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::dataFrame(curAddr_, data), LinkFrames::kAckReplyLen);
}

void RadioLink::sendEnd() {
    if (!movesMemory(op_)) {
        finishLink(false);
        return;
    }
    runningStage() = LinkStage::EndSent;
    sendEndRequest();
}

void RadioLink::sendEndRequest() {
    waitTimer_.start(kReplyTimeoutMs);
    sendFrame(LinkFrames::endRequest(), LinkFrames::kAckReplyLen);
}

void RadioLink::onReceived(const QByteArray& bytes) {
    if (op_ == LinkOp::Idle || !awaitingReply_)
        return;
    switch (LinkFrames::classifyReply(bytes, curAddr_, kBlockLen)) {
    case ReplyKind::Ack:
    case ReplyKind::Handshake:
        break;
    case ReplyKind::Identity:
        if (movesMemory(op_)) {
            const auto identity = LinkFrames::parseIdentity(bytes);
            radioModel_ = identity.model;
            radioFirmVer_ = identity.firmware;
        }
        break;
    case ReplyKind::DataFrame:
        storeDataFrame(bytes);
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

void RadioLink::storeDataFrame(const QByteArray& frame) {
    if (curAddr_ < 0 || curAddr_ + kBlockLen > radioBuf_.size())
        return;
    std::copy_n(frame.constData() + 4, kBlockLen, radioBuf_.begin() + curAddr_);
}

void RadioLink::advanceLink() {
    waitTimer_.stop();
    if (op_ == LinkOp::Read) {
        switch (readStage_) {
        case LinkStage::ProgramSent:
            readStage_ = LinkStage::IdentifySent;
            requestIdentity();
            return;
        case LinkStage::IdentifySent:
            if (checkIdentity()) {
                readStage_ = LinkStage::ReadingBlocks;
                nextReadBlock();
            } else {
                readStage_ = LinkStage::EndAfterRejection;
                sendEndRequest();
            }
            return;
        case LinkStage::ReadingBlocks:
            nextReadBlock();
            return;
        case LinkStage::EndSent:
            finishLink(true);
            return;
        default:
            break;
        }
    } else if (op_ == LinkOp::Write) {
        switch (writeStage_) {
        case LinkStage::ProgramSent:
            if (groupMode_) {
                advanceGroupHandshake();
            } else {
                writeStage_ = LinkStage::IdentifySent;
                requestIdentity();
            }
            return;
        case LinkStage::IdentifySent:
            // A group write programs whatever radio is attached.
            if (groupMode_ || checkIdentity()) {
                writeStage_ = LinkStage::WritingBlocks;
                nextWriteBlock();
            } else {
                writeStage_ = LinkStage::EndAfterRejection;
                sendEndRequest();
            }
            return;
        case LinkStage::WritingBlocks:
            nextWriteBlock();
            return;
        case LinkStage::EndSent:
            finishLink(true);
            return;
        default:
            break;
        }
    }
    finishLink(false);
}

void RadioLink::advanceGroupHandshake() {
    askOnTimeout_ = false;
    if (justFinished_) {
        // The radio just written must have gone quiet twice before an answer can come from a
        // new one, and the new one must answer three times in a row.
        if (goneCount_ >= 2) {
            if (confirmCount_ < 1) {
                ++confirmCount_;
                startHandshake();
                return;
            }
            justFinished_ = false;
        }
        goneCount_ = 0;
        confirmCount_ = 0;
        startHandshake();
        return;
    }
    writeStage_ = LinkStage::IdentifySent;
    requestIdentity();
}

bool RadioLink::checkIdentity() {
    waitTimer_.stop();
    const int lang = settings_.langIndex;
    const QString ownModel = cleanFixedText(settings_.modelCodeText);
    const bool modelRight = radioModel_ == ownModel;
    if (modelRight && versions_.isCompatiblePair(settings_.dataVersion, radioFirmVer_))
        return true;
    if (!modelRight) {
        messages_.post(LinkTexts::modelWrong.in(lang));
        return false;
    }
    const QString question =
        incompatibleMessage(settings_.dataVersion, radioFirmVer_, VersionKind::Firmware, lang);
    // The other version is started once this operation has let go of the port.
    if (prompter_.ask(question, Buttons::YesNo, Icon::Question) == Answer::Yes)
        versionToStart_ = radioFirmVer_;
    return false;
}

void RadioLink::updateProgress() {
    const int percent = linkPercent(curAddr_, endAddr_);
    if (percent - lastPercent_ < 1)
        return;
    lastPercent_ = percent;
    observer_->progress(percent);
}

void RadioLink::onReplyTimeout() {
    waitTimer_.stop();
    if (op_ == LinkOp::Idle)
        return;
    awaitingReply_ = false;
    switch (runningStage()) {
    case LinkStage::ProgramSent:
        if (handshakeTries_ > 0) {
            handshakeTries_ = 0;
            handshakeTimeout();
        } else {
            ++handshakeTries_;
            startHandshake();
        }
        return;
    case LinkStage::IdentifySent:
        if (identTries_ > 0) {
            identTries_ = 0;
            handshakeTimeout();
        } else {
            ++identTries_;
            requestIdentity();
        }
        return;
    case LinkStage::ReadingBlocks:
    case LinkStage::WritingBlocks:
        transferTimeout();
        return;
    case LinkStage::EndSent:
        // The radio has everything; a missing acknowledgement of the end does not undo that.
        finishLink(true);
        return;
    default:
        finishLink(false);
        return;
    }
}

void RadioLink::handshakeTimeout() {
    if (op_ == LinkOp::RadioInfo) {
        finishLink(false);
        return;
    }
    const QString question = LinkTexts::checkConnection.in(settings_.langIndex);
    if (groupMode_ && writeStage_ == LinkStage::ProgramSent) {
        if (!askOnTimeout_) {
            // Silent polling: count how long the radio just written has been gone.
            if (justFinished_)
                ++goneCount_;
            startHandshake();
            return;
        }
        if (prompter_.ask(question, Buttons::RetryCancel, Icon::Question) == Answer::Retry) {
            startHandshake();
        } else {
            askOnTimeout_ = false;
            finishLink(false);
        }
        return;
    }
    if (prompter_.ask(question, Buttons::RetryCancel, Icon::Question) == Answer::Retry) {
        handshakeTries_ = identTries_ = 0;
        startHandshake();
    } else {
        finishLink(false);
    }
}

void RadioLink::transferTimeout() {
    const QString question = LinkTexts::checkConnection.in(settings_.langIndex);
    if (prompter_.ask(question, Buttons::OkCancel, Icon::Question) != Answer::Ok) {
        finishLink(false);
        return;
    }
    // Starts over from the handshake; blocks already received are read again.
    justFinished_ = false;
    handshakeTries_ = identTries_ = 0;
    curAddr_ = -kBlockLen;
    lastPercent_ = 0;
    observer_->progress(0);
    startHandshake();
}

bool RadioLink::continueWithNextRadio() {
    ++radiosDone_;
    if (radiosDone_ >= groupSize_)
        return false;
    justFinished_ = true;
    goneCount_ = confirmCount_ = 0;
    handshakeTries_ = identTries_ = 0;
    curAddr_ = -kBlockLen;
    lastPercent_ = 0;
    observer_->radioCompleted(radiosDone_);
    observer_->progress(0);
    startHandshake();
    return true;
}

void RadioLink::finishLink(bool success) {
    if (success && groupMode_ && continueWithNextRadio())
        return;

    justFinished_ = false;
    goneCount_ = confirmCount_ = 0;
    if (groupMode_) {
        if (std::exchange(groupProgressShown_, false))
            observer_->closeProgress();
    } else if (movesMemory(op_)) {
        observer_->closeProgress();
    }

    waitTimer_.stop();
    awaitingReply_ = false;
    if (port_.isOpen())
        port_.close();

    messages_.showAll(prompter_);

    const int lang = settings_.langIndex;
    if (success && op_ == LinkOp::Read) {
        observer_->readSucceeded();
        prompter_.ask(LinkTexts::readCompleted.in(lang), Buttons::Ok, Icon::Information);
    } else if (success && op_ == LinkOp::Write) {
        prompter_.ask(LinkTexts::writeCompleted.in(lang), Buttons::Ok, Icon::Information);
    }

    groupMode_ = false;
    op_ = LinkOp::Idle;
    readStage_ = writeStage_ = LinkStage::Idle;

    if (const QString version = std::exchange(versionToStart_, {}); !version.isEmpty())
        observer_->startVersion(version);
    observer_->finished(success);
}

void RadioLink::cancelBeforeStart() {
    waitTimer_.stop();
    awaitingReply_ = false;
    if (port_.isOpen())
        port_.close();
    groupMode_ = false;
    op_ = LinkOp::Idle;
    readStage_ = writeStage_ = LinkStage::Idle;
}

void RadioLink::abandon() {
    if (op_ == LinkOp::Idle)
        return;
    // The window that asked is already gone.
    groupProgressShown_ = false;
    finishLink(false);
}

} // namespace r5k27
