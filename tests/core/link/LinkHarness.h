#pragma once

#include "core/link/LinkFrames.h"
#include "core/link/LinkMessages.h"
#include "core/link/RadioLink.h"
#include "support/ScriptedPrompter.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace r5k27::test {

// Every box, port close and observer call lands in one log, so tests can check the order.
class LoggingPrompter : public ScriptedPrompter {
public:
    explicit LoggingPrompter(QStringList& log)
        : log_(log) {}
    Answer ask(const QString& text, Buttons buttons, Icon icon) override {
        log_ << "ask: " + text;
        return ScriptedPrompter::ask(text, buttons, icon);
    }

private:
    QStringList& log_;
};

class FakePort : public LinkPort {
public:
    explicit FakePort(QStringList& log)
        : log_(log) {}
    bool isOpen() const override { return open; }
    void setReplyLength(int bytes) override { replyLength = bytes; }
    void clearBuffers() override { ++clears; }
    void send(const QByteArray& bytes) override { sent << bytes; }
    void close() override {
        open = false;
        log_ << "port closed";
    }

    bool open = true;
    int replyLength = 0;
    int clears = 0;
    QList<QByteArray> sent;

private:
    QStringList& log_;
};

// The reply timer as a fake clock: time passes only when a test lets the timer expire.
class FakeTimer : public LinkTimer {
public:
    void start(int ms) override {
        running = true;
        intervalMs = ms;
    }
    void stop() override { running = false; }

    bool running = false;
    int intervalMs = 0;
};

// The engine wired to fakes and to a radio that answers every request correctly unless a test
// hands the engine something else. It answers decisions and tells outcomes as the program does,
// through the scripted prompter.
class LinkHarness : public LinkObserver {
public:
    LinkHarness();

    // A write sends image.
    void start(LinkOp op);
    void startGroup(int groupSize);
    QByteArray lastSent() const { return port.sent.isEmpty() ? QByteArray() : port.sent.back(); }
    // How many frames sent so far begin with lead ('R' reads, 'W' writes).
    int sentStartingWith(char lead) const {
        return int(std::count_if(port.sent.cbegin(), port.sent.cend(),
                                 [lead](const QByteArray& f) { return f.startsWith(lead); }));
    }
    QByteArray radioReplyTo(const QByteArray& request);
    // The radio answers the request in flight.
    void answer();
    void receive(const QByteArray& bytes) { link.onReceived(bytes); }
    // 300 ms pass without a reply.
    void expire();
    // Answers until the operation ends; returns the number of answers.
    int runToEnd(int limit = 5000);
    // Answers until the request in flight starts with lead.
    void answerUntil(char lead, int limit = 5000);
    QByteArray identityReply() const;

    void progress(int percent) override { events << QString("progress %1").arg(percent); }
    void radioCompleted(int done) override { events << QString("radio completed %1").arg(done); }
    void closeProgress() override { events << "progress closed"; }
    void decide(const LinkDecision& decision) override;
    void finished(const LinkOutcome& outcome) override;

    QStringList events;
    FakePort port{events};
    FakeTimer timer;
    LoggingPrompter prompter{events};
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    RadioLink link{port, timer, settings, versions};
    QByteArray image = QByteArray(kRadioBufSize, '\xFF');
    std::optional<LinkOutcome> outcome;

    QByteArray radioMemory;
    QString radioModel = "ZT6666";
    QString radioFirmware = "V200";
};

} // namespace r5k27::test
