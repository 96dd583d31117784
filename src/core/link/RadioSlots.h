#pragma once

#include "FieldReports.h"
#include "core/image/FieldSlots.h"

#include <QByteArray>
#include <optional>

namespace r5k27 {

// The values a radio slot can carry (a reference slot also carries 0, as 0xFF).
struct SlotRange {
    long long min = 0;
    long long max = 0;
};
SlotRange slotRange(const RadioSlot& slot);
bool slotHolds(const RadioSlot& slot, long long value);

// Zeroes the byte of a field that shares its byte with others; whole-byte slots are left alone.
inline void clearPackedByte(QByteArray& buf, const RadioSlot& slot) {
    if (slot.coding == RadioCoding::Bits && slot.width < 8)
        buf[slot.address] = 0;
}

// Writes a value the slot holds (check with slotHolds first).
void putSlot(QByteArray& buf, const RadioSlot& slot, long long value);
long long getSlot(const QByteArray& buf, const RadioSlot& slot);

// The fast path of both for the one-byte fields, which are nearly all of them.
inline bool isByteField(const RadioSlot& slot) {
    return slot.coding == RadioCoding::Bits && slot.width <= 8;
}
inline int bitMask(const RadioSlot& slot) {
    return ((1 << slot.width) - 1) << slot.bit;
}
inline long long getByteField(const QByteArray& buf, const RadioSlot& slot) {
    return ((uchar(buf[slot.address]) & bitMask(slot)) >> slot.bit) - slot.bias;
}

// What a value belongs to, for refusals and replacements.
struct FieldPlace {
    const char* name;
    int mode = -1;
    int group = 0;
    int channel = 0;
};

// Writes values into a copy of a radio image, stopping at the first value that does not fit.
class SlotWriter {
public:
    explicit SlotWriter(QByteArray buf)
        : buf_(std::move(buf)) {}

    void put(const RadioSlot& slot, long long value, const FieldPlace& f) {
        if (refusal_)
            return;
        if (isByteField(slot) && value + slot.bias >= 0 && value + slot.bias < (1 << slot.width)) {
            const int bits = int((value + slot.bias) << slot.bit);
            buf_[slot.address] = char((uchar(buf_[slot.address]) & ~bitMask(slot)) | bits);
            return;
        }
        putChecked(slot, value, f);
    }
    void raw(int addr, unsigned char value) { buf_[addr] = char(value); }
    bool check(long long value, long long min, long long max, const FieldPlace& f);

    const std::optional<EncodeRefusal>& refusal() const { return refusal_; }
    QByteArray& buf() { return buf_; }

private:
    void putChecked(const RadioSlot& slot, long long value, const FieldPlace& f);

    QByteArray buf_;
    std::optional<EncodeRefusal> refusal_;
};

// Notes a value that decoding replaced.
void noteReplacement(QList<ReadReplacement>& replaced, const FieldPlace& f, long long read,
                     long long kept);

} // namespace r5k27
