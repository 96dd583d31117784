#include "LinkFrames.h"

#include "core/image/FixedText.h"

namespace r5k27::LinkFrames {
namespace {

constexpr char kDataFrameLead = 'W';
constexpr char kIdentityLead = 'I';

void appendAddress(QByteArray& out, int addr) {
    out.append(char((addr >> 8) & 0xFF));
    out.append(char(addr & 0xFF));
}

} // namespace

QByteArray programRequest() {
    return QByteArrayLiteral("PROGRAM");
}
QByteArray identifyRequest() {
    return QByteArray(1, '\x02');
}
QByteArray endRequest() {
    return QByteArrayLiteral("END");
}

QByteArray handshakeReply() {
    QByteArray out("ZT");
    out.append(kAck);
    return out;
}

QByteArray readRequest(int addr, int blockLen) {
    QByteArray out(1, 'R');
    appendAddress(out, addr);
    out.append(char(blockLen));
    return out;
}

QByteArray dataFrame(int addr, QByteArrayView data) {
    QByteArray out(1, kDataFrameLead);
    appendAddress(out, addr);
    out.append(char(data.size()));
    out.append(data);
    out.append(char(checksum(QByteArrayView(out).sliced(1))));
    out.append(kAck);
    return out;
}

quint8 checksum(QByteArrayView addressToData) {
    unsigned sum = 0;
    for (char c : addressToData)
        sum += quint8(c);
    return quint8(sum & 0xFF);
}

bool isValidDataFrame(const QByteArray& reply, int curAddr, int blockLen) {
    if (reply.size() < 4 || reply.at(0) != kDataFrameLead)
        return false;
    const int addr = quint8(reply.at(1)) * 256 + quint8(reply.at(2));
    const int len = quint8(reply.at(3));
    if (addr != curAddr || len != blockLen || reply.size() != len + 6)
        return false;
    if (reply.back() != kAck)
        return false;
    const qsizetype sumAt = reply.size() - 2;
    return checksum(QByteArrayView(reply).sliced(1, sumAt - 1)) == quint8(reply.at(sumAt));
}

ReplyKind classifyReply(const QByteArray& reply, int curAddr, int blockLen) {
    if (reply.size() == 1 && reply.at(0) == kAck)
        return ReplyKind::Ack;
    if (reply == handshakeReply())
        return ReplyKind::Handshake;
    if (reply.size() == kIdentityReplyLen && reply.at(0) == kIdentityLead)
        return ReplyKind::Identity;
    if (isValidDataFrame(reply, curAddr, blockLen))
        return ReplyKind::DataFrame;
    return ReplyKind::Unrecognised;
}

RadioIdentity parseIdentity(const QByteArray& reply) {
    const QByteArray padded = reply.leftJustified(kIdentityReplyLen, '\0', true);
    return {cleanFixedText(decodeSingleByte(padded.constData() + 1, 7)),
            decodeSingleByte(padded.constData() + 9, 4)};
}

} // namespace r5k27::LinkFrames
