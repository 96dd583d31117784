#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace r5k27::sim {

struct SimReply {
    QByteArray bytes;
    int requestLen = 0; // bytes of the request it answers, for the wire time
    bool split = false; // goes out in two pieces
};

struct SimRadioSettings {
    QString model = QStringLiteral("ZT6666");
    QString firmware = QStringLiteral("V200");
    QString savePath; // memory written here after each end request
    QList<Fault> faults;
};

// The radio's side of the protocol: takes bytes as they come off the line and says what to
// answer. Knows nothing of time or terminals.
class SimRadio {
public:
    SimRadio(SimRadioSettings settings, QByteArray memory);

    QList<SimReply> feed(const QByteArray& bytes);
    bool hasPartialRequest() const { return !input_.isEmpty(); }
    void dropPartialRequest() { input_.clear(); }
    const QByteArray& memory() const { return memory_; }
    // Why the last save failed, once; empty when it did not.
    QString takeSaveError() { return std::exchange(saveError_, {}); }

private:
    enum class Parsed { Complete, NeedMore, Garbage };
    Parsed takeRequest(QList<SimReply>& replies);
    std::optional<SimReply> answerRead(const QByteArray& request);
    std::optional<SimReply> answerWrite(const QByteArray& frame);
    QByteArray identity() const;
    bool hits(FaultKind kind, int count) const;
    bool has(FaultKind kind) const;
    bool unplugged() const;
    void save();

    SimRadioSettings settings_;
    QByteArray memory_;
    QByteArray input_;
    int handshakes_ = 0;
    int identifies_ = 0;
    int reads_ = 0;
    int writes_ = 0;
    int blocksServed_ = 0;
    QString saveError_;
};

} // namespace r5k27::sim
