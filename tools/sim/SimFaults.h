#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace r5k27::sim {

// Misbehaviour the virtual radio can be told to show. Counts run over the radio's whole life,
// across connections.
enum class FaultKind {
    DropHandshake, // no reply to the Nth program request
    DropIdentify,  // no reply to the Nth identify request
    DropRead,      // no reply to the Nth read request
    DropWrite,     // no acknowledgement of the Nth write frame
    BadChecksum,   // the Nth data reply carries a wrong checksum
    WrongAddress,  // the Nth data reply names the next block
    Split,         // the Nth data reply comes in two pieces
    ExtraByte,     // the Nth data reply has one byte too many
    Silent,        // answers nothing at all
    Unplug,        // goes silent for good after N data blocks
    NoEndAck,      // leaves the end request unanswered
    FlipByte,      // stores the byte at address N wrong whenever a write frame covers it
};

struct Fault {
    FaultKind kind;
    int n = 1;
};

// "kind" or "kind:N", e.g. "drop-read:5"; nullopt for anything else.
std::optional<Fault> parseFault(const QString& text);
QString faultKindsHelp();

} // namespace r5k27::sim
