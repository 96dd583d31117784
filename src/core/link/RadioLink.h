#pragma once

#include "LinkInterfaces.h"
#include "LinkTypes.h"
#include "common/AppSettings.h"
#include "common/MessageQueue.h"
#include "common/Prompter.h"
#include "image/VersionList.h"

#include <QByteArray>
#include <QString>

namespace r5k27 {

// The radio protocol: one request at a time, moved on by the reply or by the reply timer. It
// never blocks; the owner feeds it received bytes and timer expiries on the one thread.
class RadioLink {
public:
    RadioLink(LinkPort& port, LinkTimer& timer, Prompter& prompter, MessageQueue& messages,
              const AppSettings& settings, const VersionList& versions);

    void setObserver(LinkObserver* observer);

    // The link side of opening the port: kind, address range and cleared counters.
    void prepare(LinkOp op);
    // Turns the prepared write into a group write of groupSize radios (at least one).
    void beginGroupWrite(int groupSize);
    void startHandshake();
    // Ends a prepared operation that never started (the user declined): port closed, idle.
    void cancelBeforeStart();
    // The user closed the progress window of a running operation: it ends as failed.
    void abandon();

    void onReceived(const QByteArray& bytes);
    void onReplyTimeout();

    QByteArray& radioBuf() { return radioBuf_; }
    const QByteArray& radioBuf() const { return radioBuf_; }

    bool isRunning() const { return op_ != LinkOp::Idle; }
    LinkOp op() const { return op_; }
    LinkStage readStage() const { return readStage_; }
    LinkStage writeStage() const { return writeStage_; }
    int curAddr() const { return curAddr_; }
    int endAddr() const { return endAddr_; }
    int replyLen() const { return replyLen_; }
    int lastPercent() const { return lastPercent_; }
    const QString& radioModel() const { return radioModel_; }
    const QString& radioFirmVer() const { return radioFirmVer_; }

    bool groupMode() const { return groupMode_; }
    bool askOnTimeout() const { return askOnTimeout_; }
    int groupSize() const { return groupSize_; }
    int radiosDone() const { return radiosDone_; }
    bool justFinished() const { return justFinished_; }
    int goneCount() const { return goneCount_; }
    int confirmCount() const { return confirmCount_; }

private:
    LinkStage& runningStage();
    void sendFrame(const QByteArray& bytes, int replyLen);
    void requestIdentity();
    void nextReadBlock();
    void nextWriteBlock();
    void sendEnd();
    void sendEndRequest();
    void advanceLink();
    void advanceGroupHandshake();
    bool checkIdentity();
    void updateProgress();
    void handshakeTimeout();
    void transferTimeout();
    bool continueWithNextRadio();
    void finishLink(bool success);
    void storeDataFrame(const QByteArray& frame);

    LinkPort& port_;
    LinkTimer& waitTimer_;
    Prompter& prompter_;
    MessageQueue& messages_;
    const AppSettings& settings_;
    const VersionList& versions_;
    LinkObserver defaultObserver_;
    LinkObserver* observer_ = &defaultObserver_;

    QByteArray radioBuf_;
    LinkOp op_ = LinkOp::Idle;
    LinkStage readStage_ = LinkStage::Idle;
    LinkStage writeStage_ = LinkStage::Idle;
    int curAddr_ = -kBlockLen;
    int endAddr_ = kReadEndAddr;
    int replyLen_ = 0;
    int handshakeTries_ = 0;
    int identTries_ = 0;
    int lastPercent_ = 0;
    QString radioModel_;
    QString radioFirmVer_;
    // Replies count only while a request waits for one; bytes arriving while a question is
    // shown or after the end are stale.
    bool awaitingReply_ = false;
    QString versionToStart_;

    bool groupMode_ = false;
    bool askOnTimeout_ = false;
    int groupSize_ = 0;
    int radiosDone_ = 0;
    bool justFinished_ = false;
    int goneCount_ = 0;
    int confirmCount_ = 0;
    bool groupProgressShown_ = false;
};

} // namespace r5k27
