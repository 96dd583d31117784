#pragma once

#include "FieldReports.h"
#include "core/channels/ChannelTable.h"
#include "core/image/MemoryImage.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace r5k27 {

// 16384 bytes of 0xFF with the scan and present bitmaps zeroed: the state before every transfer.
QByteArray prepareRadioBuf();

// Fills radioBuf (already prepared) from the document. Nothing is written to radioBuf when a
// value is out of range; the refusal names it.
std::optional<EncodeRefusal> encodeImage(const MemoryImage& image, const ChTable& table,
                                         QByteArray& radioBuf);

struct DecodeResult {
    bool ok = false; // false, with the document untouched, unless the image held 16384 bytes
    QList<ReadReplacement> replaced;
    explicit operator bool() const { return ok; }
};

// Fills the document from a radio image; the band follows the radio's work mode.
DecodeResult decodeImage(const QByteArray& radioBuf, MemoryImage& image, ChTable& table);
// DTMF characters and their 4-bit codes in the radio; 16 marks "no digit".
int dtmfDigitCode(QChar c);
QChar dtmfDigitChar(int code);

} // namespace r5k27
