#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace r5k27::fuzz {

// Reads a fuzzer's input front to back; past the end every read gives zeros or nothing.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size) {}

    bool atEnd() const { return pos_ >= size_; }
    std::uint8_t byte() { return atEnd() ? 0 : data_[pos_++]; }
    int word() { return byte() | (byte() << 8); }
    QByteArray take(std::size_t n) {
        n = std::min(n, size_ - pos_);
        const QByteArray out(reinterpret_cast<const char*>(data_ + pos_), qsizetype(n));
        pos_ += n;
        return out;
    }
    QByteArray rest() { return take(size_ - pos_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace r5k27::fuzz
