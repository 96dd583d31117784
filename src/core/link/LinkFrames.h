#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace r5k27::LinkFrames {

constexpr char kAck = 0x06;
constexpr int kHandshakeReplyLen = 3;
constexpr int kIdentityReplyLen = 16;
constexpr int kAckReplyLen = 1;
// "W", address high and low, length, data, checksum, ACK.
constexpr int dataFrameLen(int blockLen) {
    return blockLen + 6;
}

QByteArray programRequest();
QByteArray identifyRequest();
QByteArray readRequest(int addr, int blockLen);
QByteArray endRequest();
QByteArray handshakeReply();
// A data frame for addr carrying data; the host writes with it and the radio answers reads.
QByteArray dataFrame(int addr, QByteArrayView data);

// Low byte of the sum of address, length and data bytes.
quint8 checksum(QByteArrayView addressToData);

enum class ReplyKind { Ack, Handshake, Identity, DataFrame, Unrecognised };

// Tests in the order that decides between overlapping forms; only a data frame is compared
// with the request it answers.
ReplyKind classifyReply(const QByteArray& reply, int curAddr, int blockLen);
bool isValidDataFrame(const QByteArray& reply, int curAddr, int blockLen);

struct RadioIdentity {
    QString model;
    QString firmware;
};
// The 16-byte identification: model text in bytes 1-7, firmware version in bytes 9-12.
RadioIdentity parseIdentity(const QByteArray& reply);

} // namespace r5k27::LinkFrames
