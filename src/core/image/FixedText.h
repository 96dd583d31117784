#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>

namespace r5k27 {

// Single-byte text encoding of every fixed-length field. Latin-1 maps each byte to one character
// and back, so bytes read from a file or radio survive an unedited round trip unchanged.
QByteArray encodeSingleByte(const QString& text);
QString decodeSingleByte(const char* bytes, std::size_t count);
// True when every character of text has a single-byte form; editors refuse anything else.
bool isSingleByteText(const QString& text);

// A text field of exactly N bytes on file (the String*N of the record layout).
template <std::size_t N> class FixedText {
public:
    static constexpr std::size_t size = N;

    FixedText() { bytes_.fill(' '); }

    // Assignment semantics of the record: shorter text is padded with spaces, longer text cut.
    void assign(const QString& text) { assignBytes(encodeSingleByte(text)); }
    // Text followed by one NUL where it fits, as the program writes its own values.
    void assignTerminated(const QString& text) { assign(text + QChar(u'\0')); }
    void assignBytes(const QByteArray& raw) {
        bytes_.fill(' ');
        std::copy_n(raw.constData(), std::min<std::size_t>(N, std::size_t(raw.size())),
                    bytes_.begin());
    }

    // The stored characters, padding and NULs included.
    QString raw() const { return decodeSingleByte(bytes_.data(), N); }
    // The shown form: trailing blanks removed, then cut at the first NUL.
    QString clean() const;

    const std::array<char, N>& bytes() const { return bytes_; }
    std::array<char, N>& bytes() { return bytes_; }

    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> bytes_;
};

QString cleanFixedText(const QString& text);
// The other order: cut at the first NUL, then trailing blanks removed ("AB \0" gives "AB").
// Used where version tags, model codes and typed texts are compared.
QString cutAtNulTrimmed(const QString& text);

template <std::size_t N> QString FixedText<N>::clean() const {
    return cleanFixedText(raw());
}

} // namespace r5k27
