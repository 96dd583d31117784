#pragma once

#include "GroupWriteTally.h"
#include "LinkInterfaces.h"
#include "LinkTransfer.h"
#include "LinkTypes.h"
#include "core/common/AppSettings.h"
#include "core/image/VersionList.h"

#include <QByteArray>
#include <optional>

namespace r5k27 {

// What a write does around sending its blocks to each radio.
struct WriteSteps {
    bool verifyEach = false;
    bool readFirst = false;
};

// Where a running operation stands, for progress displays, tests and benchmarks.
struct LinkStatus {
    LinkOp op = LinkOp::Idle;
    LinkStage stage = LinkStage::Idle;
    int curAddr = -kBlockLen;
    int endAddr = kReadEndAddr;
    int lastPercent = 0;
    LinkFrames::RadioIdentity identity;
};

// The radio protocol: one request at a time, moved on by the reply or by the reply timer. It
// never blocks and never asks anyone itself: questions go to the observer as decisions, and the
// end as an outcome. The owner opens the port, starts one operation and feeds the engine
// received bytes and timer expiries on one thread. Instances share nothing.
class RadioLink {
public:
    RadioLink(LinkPort& port, LinkTimer& timer, const AppSettings& settings,
              const VersionList& versions);

    void setObserver(LinkObserver* observer);

    // Each starts the handshake on the open port. A read hands the radio's memory over in its
    // outcome; a write sends image (16384 bytes); a group write sends it to up to groupSize
    // radios one after another; identify ends after the radio said who it is; radio information
    // ends at the handshake reply. A verified write reads each radio back before it counts; a
    // radio holding other values than were sent is named in the outcome. This read-back is the
    // only one: every path that verifies a write comes here. A write that reads first reads
    // each radio before writing it and hands what it held to the observer, which decides
    // whether the write goes on.
    void startRead() { begin(LinkOp::Read, {}); }
    void startWrite(const QByteArray& image, bool verify = false, bool readFirst = false) {
        begin(LinkOp::Write, image, std::nullopt, {verify, readFirst});
    }
    void startGroupWrite(const QByteArray& image, int groupSize, bool verifyEach = false,
                         bool readFirst = false) {
        begin(LinkOp::Write, image, groupSize, {verifyEach, readFirst});
    }
    void startIdentify() { begin(LinkOp::Identify, {}); }
    void startRadioInfo() { begin(LinkOp::RadioInfo, {}); }

    // The answer to the pending decision: true for Retry, OK or Yes.
    void decide(bool goOn);
    // False while stopping would leave a radio half written.
    bool mayStopNow() const;
    // Ends the running operation as failed, leaving the radio out of programming mode.
    void stop();
    // A stop as a person asks for one: at once where that leaves no radio half written,
    // otherwise once the radio in progress has taken its last block (its read-back and the next
    // radio of a group are skipped). A program request already out waits for its answer, so a
    // radio that answers it still gets its end request.
    void requestStop();
    bool stopRequested() const { return stopPending_; }

    void onReceived(const QByteArray& bytes);
    void onReplyTimeout();

    bool isRunning() const { return op_ != LinkOp::Idle; }
    LinkOp op() const { return op_; }
    LinkStatus status() const {
        return {op_,
                stage_,
                transfer_.addr(),
                transfer_.endAddr(),
                transfer_.lastPercent(),
                outcome_.identity};
    }
    const GroupWriteTally& group() const { return group_; }

private:
    void begin(LinkOp op, const QByteArray& image, std::optional<int> groupSize = {},
               WriteSteps steps = {});
    void startHandshake();
    void sendFrame(const QByteArray& bytes, int replyLen);
    void requestIdentity();
    void nextBlock();
    void sendEndRequest(LinkStage stage);
    void advanceLink();
    void judgeIdentity();
    void pollAgainLater();
    void updateProgress();
    static bool resendOnce(int& tries);
    void handshakeTimeout();
    void ask(LinkQuestion question);
    void startOver();
    void finishLink(bool success);
    void startReadBack();
    void endReadBack();
    // A write reached its end; true when the operation goes on (read-back, next radio).
    bool continueAfterRadio();
    void startPriorRead();
    // The radio about to be written was read; true when its write follows.
    bool continueAfterPriorRead();

    LinkPort& port_;
    LinkTimer& waitTimer_;
    const AppSettings& settings_;
    const VersionList& versions_;
    LinkObserver none_;
    LinkObserver* observer_ = &none_;

    LinkOp op_ = LinkOp::Idle;
    LinkStage stage_ = LinkStage::Idle;
    LinkTransfer transfer_;
    int handshakeTries_ = 0;
    int identTries_ = 0;
    // Replies count only while a request waits for one; bytes arriving while a decision is
    // pending or after the end are stale.
    bool awaitingReply_ = false;
    std::optional<LinkQuestion> pending_;
    // The radio answered the program request and has not been sent the end request since.
    bool inProgrammingMode_ = false;
    // A group write waits out the reply period before polling a radio that answered.
    bool pollPaused_ = false;
    // What the observer is told at the end, gathered as the operation runs.
    LinkOutcome outcome_;
    GroupWriteTally group_;
    bool verifyEach_ = false;
    // The radio just written is being read back; sent_ is what it was sent.
    bool readingBack_ = false;
    QByteArray sent_;
    // Each radio is read before it is written: the read is running, or it is done and the
    // radio it read has not been written yet (a silence then is asked about, so no other
    // radio is written in its place).
    bool readFirst_ = false;
    bool readingFirst_ = false;
    bool priorRead_ = false;
    // requestStop() came while stopping would have left a radio half written.
    bool stopPending_ = false;
    // requestStop() came while a program request was out: its answer ends the operation.
    bool stopOnReply_ = false;
};

} // namespace r5k27
