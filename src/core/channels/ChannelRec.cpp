#include "ChannelRec.h"

#include <QtEndian>

namespace r5k27 {
namespace {

void putInt(QByteArray& out, std::int16_t v) {
    char raw[2];
    qToLittleEndian(v, raw);
    out.append(raw, 2);
}

std::int16_t takeInt(const char*& p) {
    const auto v = qFromLittleEndian<std::int16_t>(p);
    p += 2;
    return v;
}

template <std::size_t N> void takeText(const char*& p, FixedText<N>& text) {
    std::copy_n(p, N, text.bytes().begin());
    p += N;
}

} // namespace

QByteArray serializeChannel(const ChannelRec& r) {
    QByteArray out;
    out.reserve(ChannelRec::kFileSize);
    putInt(out, r.chNo);
    putInt(out, r.chFlag);
    putInt(out, r.scanAdd);
    out.append(r.rxFreq.bytes().data(), 8);
    out.append(r.txFreq.bytes().data(), 8);
    for (std::int16_t v : {r.spare1, r.spare2, r.decodeTone, r.encodeTone, r.mode, r.hiCut, r.nbAnl,
                           r.echo, r.add10K, r.busyLock, r.rogerTone, r.repShift, r.publicCh,
                           r.botCode, r.eotCode, r.callCode})
        putInt(out, v);
    return out;
}

bool deserializeChannel(const QByteArray& data, ChannelRec& r) {
    if (data.size() < ChannelRec::kFileSize)
        return false;
    const char* p = data.constData();
    r.chNo = takeInt(p);
    r.chFlag = takeInt(p);
    r.scanAdd = takeInt(p);
    takeText(p, r.rxFreq);
    takeText(p, r.txFreq);
    for (std::int16_t* v : {&r.spare1, &r.spare2, &r.decodeTone, &r.encodeTone, &r.mode, &r.hiCut,
                            &r.nbAnl, &r.echo, &r.add10K, &r.busyLock, &r.rogerTone, &r.repShift,
                            &r.publicCh, &r.botCode, &r.eotCode, &r.callCode})
        *v = takeInt(p);
    return true;
}

} // namespace r5k27
