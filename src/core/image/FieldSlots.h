#pragma once

#include <cstdint>

namespace r5k27 {

struct MemoryImage;

// A 16- or 32-bit value of the record, found by a field table row. Int16/Int32 are const when the
// record is only read, so reading never needs write access.
template <class Int16, class Int32> struct BasicValueRef {
    Int16* narrow = nullptr;
    Int32* wide = nullptr;

    int get() const { return narrow ? *narrow : *wide; }
    void set(int value) const {
        if (narrow)
            *narrow = std::int16_t(value);
        else
            *wide = value;
    }
};
using ValueRef = BasicValueRef<std::int16_t, std::int32_t>;
using ValueView = BasicValueRef<const std::int16_t, const std::int32_t>;

// Finds a row's member in a record; a const record gives a read-only view.
struct FieldAccess {
    ValueRef (*ref)(MemoryImage&);
    ValueView (*view)(const MemoryImage&);

    ValueRef operator()(MemoryImage& image) const { return ref(image); }
    ValueView operator()(const MemoryImage& image) const { return view(image); }
};

// The same for the values kept per work mode and group.
struct GroupAccess {
    std::int16_t& (*ref)(MemoryImage&, int mode, int group);
    const std::int16_t& (*view)(const MemoryImage&, int mode, int group);

    std::int16_t& operator()(MemoryImage& image, int mode, int group) const {
        return ref(image, mode, group);
    }
    const std::int16_t& operator()(const MemoryImage& image, int mode, int group) const {
        return view(image, mode, group);
    }
};

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
