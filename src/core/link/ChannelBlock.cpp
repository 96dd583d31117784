#include "ChannelBlock.h"

#include "core/channels/ChannelFields.h"
#include "core/channels/ToneCodec.h"

#include <algorithm>

namespace r5k27 {
namespace {

// DecodeTone: a tone type (0 none, 1 CTCSS, 2 DCS) and the tone's number in its list.
constexpr RadioSlot kToneType = bitAt(11, 4, 2);
constexpr RadioSlot kToneValue = byteAt(5);
constexpr int kZeroBytes[] = {3, 4};

constexpr RadioSlot inBlock(RadioSlot slot, int block) {
    slot.address += block;
    return slot;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Three packed-decimal bytes, lowest pair first. The text without its trailing blanks, padded
// with "0" to eight digits, gives the first six; anything else gives 0xFF 0xFF 0xFF.
void encodeRxFreq(SlotWriter& w, int block, const FixedText<8>& rxFreq) {
    const auto& text = rxFreq.bytes();
    std::size_t used = text.size();
    while (used > 0 && text[used - 1] == ' ')
        --used;
    const bool usable = used > 0 && std::all_of(text.begin(), text.begin() + used, isDigit);
    auto digit = [&](std::size_t i) { return i < used ? text[i] - '0' : 0; };
    for (std::size_t pair = 0; pair < 3; ++pair)
        w.raw(block + 2 - int(pair),
              usable ? uchar(digit(2 * pair) << 4 | digit(2 * pair + 1)) : 0xFF);
}

} // namespace

void encodeChannelBlock(SlotWriter& w, int block, const ChannelRec& r, const FieldPlace& at) {
    encodeRxFreq(w, block, r.rxFreq);
    for (int zero : kZeroBytes)
        w.raw(block + zero, 0);
    for (const ChannelFieldInfo& f : channelFields())
        if (f.radioForm == ChannelRadio::InBlock)
            clearPackedByte(w.buf(), inBlock(f.radio, block));
    for (const ChannelFieldInfo& f : channelFields())
        if (f.radioForm == ChannelRadio::InBlock)
            w.put(inBlock(f.radio, block), r.*f.number, {f.name, at.mode, at.group, at.channel});

    const FieldPlace tone{"DecodeTone", at.mode, at.group, at.channel};
    const int type = r.decodeTone <= 0 ? 0 : r.decodeTone <= kCtcssCount ? 1 : 2;
    // A DCS number beyond the list would come back from the radio as no tone.
    if (type == 2 && !w.check(r.decodeTone, kCtcssCount + 1, kToneIndexCount - 1, tone))
        return;
    w.put(inBlock(kToneType, block), type, tone);
    w.put(inBlock(kToneValue, block), type == 0 ? 0 : r.decodeTone - (type - 1) * kCtcssCount,
          tone);
}

std::optional<QString> blockRxFreq(const QByteArray& buf, int block) {
    char text[8] = {0, 0, 0, 0, 0, 0, '0', '0'};
    for (int pair = 0; pair < 3; ++pair) {
        const uchar b = uchar(buf[block + 2 - pair]);
        if ((b >> 4) > 9 || (b & 0xF) > 9)
            return std::nullopt;
        text[2 * pair] = char('0' + (b >> 4));
        text[2 * pair + 1] = char('0' + (b & 0xF));
    }
    return QString::fromLatin1(text, 8);
}

ChannelRec decodeChannelBlock(const QByteArray& buf, int block, const QString& rxFreq,
                              const FieldPlace& at, QList<ReadReplacement>& replaced) {
    // The radio holds no TxFreq, EncodeTone or spare fields: they get the new-channel values.
    ChannelRec r;
    r.chNo = std::int16_t(at.channel);
    r.chFlag = 1;
    r.rxFreq.assign(rxFreq);
    r.txFreq = r.rxFreq;
    r.encodeTone = kNewChannelTone;
    for (const ChannelFieldInfo& f : channelFields())
        if (f.radioForm == ChannelRadio::InBlock)
            r.*f.number = std::int16_t(getSlot(buf, inBlock(f.radio, block)));
    // A tone number outside its list would go back to the radio as another tone.
    const long long type = getSlot(buf, inBlock(kToneType, block));
    const long long value = getSlot(buf, inBlock(kToneValue, block));
    const long long read = type == 1 ? value : type == 2 ? value + kCtcssCount : 0;
    const bool listed = (type == 1 && value >= 1 && value <= kCtcssCount) ||
                        (type == 2 && value >= 1 && value <= kDcsCount);
    r.decodeTone = std::int16_t(listed ? read : 0);
    if ((type == 1 || type == 2) && !listed) // also CTCSS number 0, which reads as 0 anyway
        replaced.append({QStringLiteral("DecodeTone"), at.mode, at.group, at.channel, read, 0});
    return r;
}

} // namespace r5k27
