#include "RadioSlots.h"

#include "core/common/NumericText.h"

namespace r5k27 {
namespace {

// The radio keeps battery voltages as value x 1024 / 261.5 (tenths of a volt in, 16 bits out).
// Multiplied and divided in this order, so that exact halves stay exact.
constexpr double kBatteryNumerator = 1024.0;
constexpr double kBatteryDenominator = 261.5;
// The highest voltage (in tenths) whose scaled value still fits the radio's 16 bits.
constexpr int kMaxBatteryTenths = int(65535 * kBatteryDenominator / kBatteryNumerator);

uchar byteAt(const QByteArray& buf, int addr) {
    return uchar(buf[addr]);
}

void putWord(QByteArray& buf, int addr, long long value) {
    buf[addr] = char(value & 0xFF);
    buf[addr + 1] = char(value >> 8);
}

} // namespace

SlotRange slotRange(const RadioSlot& slot) {
    switch (slot.coding) {
    case RadioCoding::Bits:
        return {-slot.bias, (1LL << slot.width) - 1 - slot.bias};
    case RadioCoding::Reference:
        return {-slot.bias, 254 - slot.bias};
    case RadioCoding::Word:
        return {0, 65535};
    case RadioCoding::Battery:
        return {0, kMaxBatteryTenths};
    case RadioCoding::None:
        break;
    }
    return {};
}

bool slotHolds(const RadioSlot& slot, long long value) {
    const SlotRange range = slotRange(slot);
    return (slot.coding == RadioCoding::Reference && value == 0) ||
           (value >= range.min && value <= range.max);
}

void putSlot(QByteArray& buf, const RadioSlot& slot, long long value) {
    switch (slot.coding) {
    case RadioCoding::Bits: {
        const int bits = int((value + slot.bias) << slot.bit) & bitMask(slot);
        buf[slot.address] = char((byteAt(buf, slot.address) & ~bitMask(slot)) | bits);
        break;
    }
    case RadioCoding::Reference:
        buf[slot.address] = char(value == 0 ? 0xFF : value + slot.bias);
        break;
    case RadioCoding::Word:
        putWord(buf, slot.address, value);
        break;
    case RadioCoding::Battery:
        putWord(buf, slot.address,
                roundHalfEven(double(value) * kBatteryNumerator / kBatteryDenominator));
        break;
    case RadioCoding::None:
        break;
    }
}

long long getSlot(const QByteArray& buf, const RadioSlot& slot) {
    if (isByteField(slot))
        return getByteField(buf, slot);
    const uchar b = byteAt(buf, slot.address);
    const int word = slot.width == 16 ? b | (byteAt(buf, slot.address + 1) << 8) : 0;
    switch (slot.coding) {
    case RadioCoding::Bits:
        break;
    case RadioCoding::Reference:
        return b == 0xFF ? 0 : b - slot.bias;
    case RadioCoding::Word:
        return word;
    case RadioCoding::Battery:
        return roundHalfEven(word * kBatteryDenominator / kBatteryNumerator);
    case RadioCoding::None:
        break;
    }
    return 0;
}

void SlotWriter::putChecked(const RadioSlot& slot, long long value, const FieldPlace& f) {
    if (slot.coding == RadioCoding::None)
        return;
    const SlotRange range = slotRange(slot);
    if (slotHolds(slot, value))
        putSlot(buf_, slot, value);
    else
        check(value, range.min, range.max, f);
}

bool SlotWriter::check(long long value, long long min, long long max, const FieldPlace& f) {
    if (refusal_)
        return false;
    if (value >= min && value <= max)
        return true;
    refusal_ =
        EncodeRefusal{QString::fromLatin1(f.name), f.mode, f.group, f.channel, value, min, max};
    return false;
}

void noteReplacement(QList<ReadReplacement>& replaced, const FieldPlace& f, long long read,
                     long long kept) {
    if (read != kept)
        replaced.append({QString::fromLatin1(f.name), f.mode, f.group, f.channel, read, kept});
}

} // namespace r5k27
