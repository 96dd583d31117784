#pragma once

#include <cstdint>

namespace r5k27 {

struct MemoryImage;

// A 16- or 32-bit value of the record, found by a field table row.
struct ValueRef {
    std::int16_t* narrow = nullptr;
    std::int32_t* wide = nullptr;

    int get() const { return narrow ? *narrow : *wide; }
    void set(int value) const {
        if (narrow)
            *narrow = std::int16_t(value);
        else
            *wide = value;
    }
};
using FieldAccess = ValueRef (*)(MemoryImage&);

// Where a value sits in the 1344-byte data file.
struct FileSlot {
    int offset = 0;
    int size = 2;
};

enum class RadioCoding : std::uint8_t {
    None,      // not exchanged with the radio
    Bits,      // value + bias in `width` bits from bit `bit` of the byte at `address`
    Reference, // a whole byte holding value + bias; 0 (no reference) is stored as 0xFF
    Word,      // 16 bits, low byte first
    Battery,   // tenths of a volt x 1024 / 261.5, rounded, 16 bits low byte first
};

// Where and how a value sits in the radio's memory.
struct RadioSlot {
    RadioCoding coding = RadioCoding::None;
    int address = 0;
    int bit = 0;
    int width = 8;
    int bias = 0;
};

constexpr RadioSlot notInRadio() {
    return {};
}
constexpr RadioSlot byteAt(int address) {
    return {RadioCoding::Bits, address, 0, 8, 0};
}
constexpr RadioSlot bitAt(int address, int bit, int width = 1) {
    return {RadioCoding::Bits, address, bit, width, 0};
}
constexpr RadioSlot referenceAt(int address, int bias) {
    return {RadioCoding::Reference, address, 0, 8, bias};
}
constexpr RadioSlot wordAt(int address) {
    return {RadioCoding::Word, address, 0, 16, 0};
}
constexpr RadioSlot batteryAt(int address) {
    return {RadioCoding::Battery, address, 0, 16, 0};
}

} // namespace r5k27
