#pragma once

#include "LinkFrames.h"
#include "LinkTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace r5k27 {

// Where the engine needs a person's answer before it can go on.
enum class LinkQuestion {
    // The radio does not answer the handshake: go on = send it again.
    NoAnswer,
    // A block went unanswered: go on = start the whole operation over.
    TransferLost,
    // The radio's firmware is not handled by this version: go on = start the version that is.
    OtherFirmware,
};

struct LinkDecision {
    LinkQuestion question = LinkQuestion::NoAnswer;
    QString firmware; // OtherFirmware: the radio's firmware tag
};

// How an operation ended; the last thing an observer hears of it.
struct LinkOutcome {
    LinkOp op = LinkOp::Idle;
    bool success = false;
    // A successful read: the radio's whole memory. Empty otherwise.
    QByteArray image;
    // What the radio said it is (Read, Write, Identify), empty when it never said.
    LinkFrames::RadioIdentity identity;
    // The radio is another model; it was left alone.
    bool wrongModel = false;
    // A write ended after its first block and before its last: the radio holds a mix.
    bool partlyWritten = false;
    // Every block went across but the radio did not acknowledge the end of programming.
    bool endUnconfirmed = false;
    // A group write, whether or not it completed a radio.
    bool groupWrite = false;
    // Group write: radios completed, the last one included.
    int radiosDone = 0;
    // Verified write: one message per radio that read back other values than were sent.
    QStringList verifyFailures;
    // The user chose to start the program version that handles this firmware.
    QString versionToStart;
};

} // namespace r5k27
