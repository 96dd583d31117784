#pragma once

#include "LinkEvents.h"

#include <QByteArray>

namespace r5k27 {

// The serial line as the engine sees it. Whoever owns the port hands received bytes to
// RadioLink::onReceived: one call once the reply length or more bytes are buffered, with all of
// them.
class LinkPort {
public:
    virtual ~LinkPort() = default;
    virtual bool isOpen() const = 0;
    virtual void setReplyLength(int bytes) = 0;
    // Drops unsent output and unread input, including bytes gathered towards a reply.
    virtual void clearBuffers() = 0;
    virtual void send(const QByteArray& bytes) = 0;
    virtual void close() = 0;
};

// The reply timer. On expiry its owner calls RadioLink::onReplyTimeout; it fires once per start.
class LinkTimer {
public:
    virtual ~LinkTimer() = default;
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
};

// What the windows, the command-line tool or a test hear of a running operation.
class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    // Block progress in percent; 0 when a transfer starts over or the next radio of a group
    // write begins.
    virtual void progress(int /*percent*/) {}
    // The radio just written is read back to be compared; progress counts from 0 again.
    virtual void verifying() {}
    // A write that reads first starts reading the radio about to be written (each radio of a
    // group); progress counts from 0 again when its write begins.
    virtual void readingFirst() {}
    // What that radio held. True: write it; false: the operation ends, the radio unwritten.
    // Called with the timer off; the engine waits for the answer.
    virtual bool priorContentsRead(const QByteArray& /*image*/,
                                   const LinkFrames::RadioIdentity& /*identity*/) {
        return true;
    }
    // A group write completed another radio and goes on polling for the next one.
    virtual void radioCompleted(int /*radiosDone*/) {}
    // The operation is over, also when stopped: its progress display (single or group) closes
    // before any message. Whether a window is still there to close is the observer's business.
    virtual void closeProgress() {}
    // The engine waits, timer off, until RadioLink::decide() is called, from here or later.
    // An engine without an observer takes no for an answer.
    virtual void decide(const LinkDecision& /*decision*/) {}
    // Last call of every operation, after the port was closed; the engine is idle again.
    virtual void finished(const LinkOutcome& /*outcome*/) {}
};

} // namespace r5k27
