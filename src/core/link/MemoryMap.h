#pragma once

#include "channels/ChannelRec.h"
#include "common/AppSettings.h"
#include "image/MemoryImage.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace r5k27 {

// A document value that does not fit the radio's byte for it. Encoding never wraps a value.
struct EncodeRefusal {
    QString field;
    int mode = -1;   // work mode of the value, -1 when it belongs to no bank
    int group = 0;   // 1..10, 0 when it belongs to no group
    int channel = 0; // channel number, 0 when it belongs to no channel
    long long value = 0;
    long long min = 0;
    long long max = 0;

    QString message(int lang) const;
};

// 16384 bytes of 0xFF with the scan and present bitmaps zeroed: the state before every transfer.
QByteArray prepareRadioBuf();

// Fills radioBuf (already prepared) from the document. Nothing is written to radioBuf when a
// value is out of range; the refusal names it.
std::optional<EncodeRefusal> encodeImage(const MemoryImage& image, const ChTable& table,
                                         QByteArray& radioBuf);

// Fills the document from a radio image; the band follows the radio's work mode. False, with the
// document untouched, unless radioBuf holds exactly 16384 bytes.
bool decodeImage(const QByteArray& radioBuf, MemoryImage& image, ChTable& table,
                 AppSettings& settings);

// DTMF characters and their 4-bit codes in the radio; 16 marks "no digit".
int dtmfDigitCode(QChar c);
QChar dtmfDigitChar(int code);

} // namespace r5k27
