// How an operation ends: a stop asked for, the read-back that verifies a write, the next radio
// of a group, and the end every operation goes through.
#include "LinkFrames.h"
#include "RadioLink.h"
#include "WriteVerify.h"

#include <utility>

namespace r5k27 {

bool RadioLink::mayStopNow() const {
    if (op_ != LinkOp::Write)
        return true;
    if (group_.active())
        return group_.justFinished() || stage_ == LinkStage::ProgramSent ||
               stage_ == LinkStage::Idle;
    return stage_ != LinkStage::WritingBlocks;
}

void RadioLink::stop() {
    if (op_ == LinkOp::Idle)
        return;
    pending_.reset();
    finishLink(false);
}

void RadioLink::requestStop() {
    if (op_ == LinkOp::Idle)
        return;
    if (!mayStopNow()) {
        stopPending_ = true;
        return;
    }
    if (stage_ == LinkStage::ProgramSent && awaitingReply_) {
        stopOnReply_ = true;
        return;
    }
    stop();
}

bool RadioLink::continueAfterRadio() {
    priorRead_ = false;
    if (verifyEach_ && !readingBack_ && !stopPending_) {
        startReadBack();
        return true;
    }
    if (readingBack_)
        endReadBack();
    if (!group_.active())
        return false;
    if (group_.radioCompleted()) {
        observer_->radioCompleted(group_.radiosDone());
        if (!stopPending_) {
            if (readFirst_)
                startPriorRead();
            startOver();
            return true;
        }
    }
    return false;
}

void RadioLink::finishLink(bool success) {
    if (success && readingFirst_) {
        if (continueAfterPriorRead())
            return;
        // What was read first is no write: a radio left unwritten is not done.
        success = false;
    }
    const bool wroteRadio = success && (op_ == LinkOp::Write || readingBack_);
    if (wroteRadio && continueAfterRadio())
        return;
    // A group write cut short by a stop ends as stopped, its finished radios counted.
    if (stopPending_ && group_.active() && group_.radiosDone() < group_.groupSize())
        success = false;
    outcome_.partlyWritten = !success && op_ == LinkOp::Write && stage_ == LinkStage::WritingBlocks;
    readingBack_ = readingFirst_ = priorRead_ = stopPending_ = stopOnReply_ = false;

    // Ended early: a radio left in programming mode would not work until switched off and on.
    if (std::exchange(inProgrammingMode_, false) && port_.isOpen()) {
        port_.clearBuffers();
        port_.send(LinkFrames::endRequest());
    }
    const bool wasGroup = group_.active();
    outcome_.groupWrite = wasGroup;
    group_.end();
    if (wasGroup || movesMemory(op_))
        observer_->closeProgress();

    waitTimer_.stop();
    awaitingReply_ = pollPaused_ = false;
    pending_.reset();
    if (port_.isOpen())
        port_.close();

    outcome_.success = success;
    if (success && op_ == LinkOp::Read)
        outcome_.image = transfer_.image();
    outcome_.radiosDone = group_.radiosDone();
    op_ = LinkOp::Idle;
    stage_ = LinkStage::Idle;
    observer_->finished(std::exchange(outcome_, {}));
}

void RadioLink::startPriorRead() {
    readingFirst_ = true;
    op_ = LinkOp::Read;
    transfer_.begin(LinkOp::Read, {});
    observer_->readingFirst();
}

bool RadioLink::continueAfterPriorRead() {
    readingFirst_ = false;
    // The read's own end request may go unacknowledged; the write's is the one that counts.
    outcome_.endUnconfirmed = false;
    if (stopPending_ || !observer_->priorContentsRead(transfer_.image(), outcome_.identity))
        return false;
    priorRead_ = true;
    op_ = LinkOp::Write;
    transfer_.begin(LinkOp::Write, sent_);
    startOver();
    return true;
}

void RadioLink::startReadBack() {
    readingBack_ = true;
    op_ = LinkOp::Read;
    transfer_.begin(LinkOp::Read, {});
    observer_->verifying();
    startOver();
}

void RadioLink::endReadBack() {
    readingBack_ = false;
    const Language lang = settings_.language;
    const QStringList mismatches = writeMismatches(sent_, transfer_.image(), lang);
    if (!mismatches.isEmpty()) {
        // Radios of a group are told apart by their number.
        const QString radio = group_.active()
                                  ? VerifyTexts::radioNumbered.in(lang).arg(group_.radiosDone() + 1)
                                  : QString();
        outcome_.verifyFailures << radio + verifyFailureText(mismatches, lang);
    }
    op_ = LinkOp::Write;
    transfer_.begin(LinkOp::Write, sent_);
}

} // namespace r5k27
