#include "SimRadio.h"

#include "core/lang/Language.h"
#include "core/link/LinkFrames.h"
#include "core/link/LinkTypes.h"
#include "platform/SystemFileCommit.h"

#include <algorithm>

namespace r5k27::sim {
namespace {

const QByteArray kProgram = QByteArrayLiteral("PROGRAM");
const QByteArray kEnd = QByteArrayLiteral("END");
constexpr char kIdentify = 0x02;

int addressOf(const QByteArray& request) {
    return quint8(request[1]) * 256 + quint8(request[2]);
}

} // namespace

SimRadio::SimRadio(SimRadioSettings settings, QByteArray memory)
    : settings_(std::move(settings))
    , memory_(std::move(memory)) {
    memory_.resize(kRadioBufSize, '\xFF');
}

bool SimRadio::has(FaultKind kind) const {
    return std::any_of(settings_.faults.begin(), settings_.faults.end(),
                       [kind](const Fault& f) { return f.kind == kind; });
}

bool SimRadio::hits(FaultKind kind, int count) const {
    return std::any_of(settings_.faults.begin(), settings_.faults.end(),
                       [&](const Fault& f) { return f.kind == kind && f.n == count; });
}

bool SimRadio::unplugged() const {
    if (has(FaultKind::Silent))
        return true;
    return std::any_of(settings_.faults.begin(), settings_.faults.end(), [this](const Fault& f) {
        return f.kind == FaultKind::Unplug && blocksServed_ >= f.n;
    });
}

QByteArray SimRadio::identity() const {
    QByteArray reply(1, 'I');
    reply += settings_.model.toLatin1().leftJustified(7, ' ', true);
    reply += '\0';
    reply += settings_.firmware.toLatin1().leftJustified(4, ' ', true);
    reply += QByteArray(3, '\0');
    return reply;
}

QList<SimReply> SimRadio::feed(const QByteArray& bytes) {
    input_ += bytes;
    QList<SimReply> replies;
    while (!input_.isEmpty()) {
        const Parsed parsed = takeRequest(replies);
        if (parsed == Parsed::NeedMore)
            break;
        if (parsed == Parsed::Garbage)
            input_.remove(0, 1);
    }
    return replies;
}

SimRadio::Parsed SimRadio::takeRequest(QList<SimReply>& replies) {
    const auto fixedRequest = [this](const QByteArray& text) {
        const qsizetype have = std::min(input_.size(), text.size());
        if (input_.left(have) != text.left(have))
            return Parsed::Garbage;
        if (have < text.size())
            return Parsed::NeedMore;
        input_.remove(0, text.size());
        return Parsed::Complete;
    };
    const bool quiet = unplugged();

    switch (input_.at(0)) {
    case 'P': {
        const Parsed p = fixedRequest(kProgram);
        if (p == Parsed::Complete && !hits(FaultKind::DropHandshake, ++handshakes_) && !quiet)
            replies.append({LinkFrames::handshakeReply(), int(kProgram.size())});
        return p;
    }
    case kIdentify:
        input_.remove(0, 1);
        if (!hits(FaultKind::DropIdentify, ++identifies_) && !quiet)
            replies.append({identity(), 1});
        return Parsed::Complete;
    case 'R': {
        if (input_.size() < 4)
            return Parsed::NeedMore;
        const QByteArray request = input_.left(4);
        input_.remove(0, 4);
        if (auto reply = answerRead(request))
            replies.append(*reply);
        return Parsed::Complete;
    }
    case 'W': {
        if (input_.size() < 4)
            return Parsed::NeedMore;
        const int total = quint8(input_.at(3)) + 6;
        if (input_.size() < total)
            return Parsed::NeedMore;
        const QByteArray frame = input_.left(total);
        input_.remove(0, total);
        if (auto reply = answerWrite(frame))
            replies.append(*reply);
        return Parsed::Complete;
    }
    case 'E': {
        const Parsed p = fixedRequest(kEnd);
        if (p != Parsed::Complete)
            return p;
        save();
        if (!has(FaultKind::NoEndAck) && !quiet)
            replies.append({QByteArray(1, LinkFrames::kAck), int(kEnd.size())});
        return p;
    }
    default:
        return Parsed::Garbage;
    }
}

std::optional<SimReply> SimRadio::answerRead(const QByteArray& request) {
    ++reads_;
    const int addr = addressOf(request);
    const int len = quint8(request[3]);
    if (unplugged() || len == 0 || addr + len > memory_.size() || hits(FaultKind::DropRead, reads_))
        return std::nullopt;

    const QByteArray data = memory_.mid(addr, len);
    SimReply reply{LinkFrames::dataFrame(addr, data), int(request.size())};
    if (hits(FaultKind::WrongAddress, reads_))
        reply.bytes = LinkFrames::dataFrame(addr + len, data);
    if (hits(FaultKind::BadChecksum, reads_))
        reply.bytes[reply.bytes.size() - 2] = char(reply.bytes[reply.bytes.size() - 2] + 1);
    if (hits(FaultKind::ExtraByte, reads_))
        reply.bytes.append(LinkFrames::kAck);
    reply.split = hits(FaultKind::Split, reads_);
    ++blocksServed_;
    return reply;
}

std::optional<SimReply> SimRadio::answerWrite(const QByteArray& frame) {
    ++writes_;
    const int addr = addressOf(frame);
    const int len = quint8(frame[3]);
    const qsizetype sumAt = frame.size() - 2;
    const bool valid =
        frame.back() == LinkFrames::kAck &&
        LinkFrames::checksum(QByteArrayView(frame).sliced(1, sumAt - 1)) == quint8(frame[sumAt]) &&
        addr + len <= memory_.size();
    if (!valid || unplugged() || hits(FaultKind::DropWrite, writes_))
        return std::nullopt;
    memory_.replace(addr, len, frame.mid(4, len));
    for (const Fault& f : settings_.faults)
        if (f.kind == FaultKind::FlipByte && f.n >= addr && f.n < addr + len)
            memory_[f.n] = char(memory_[f.n] ^ 0x01);
    ++blocksServed_;
    return SimReply{QByteArray(1, LinkFrames::kAck), int(frame.size())};
}

void SimRadio::save() {
    if (settings_.savePath.isEmpty())
        return;
    if (const auto failure = writeFileChecked(settings_.savePath, memory_))
        saveError_ = writeErrorText(failure->error, Language::English);
}

} // namespace r5k27::sim
