#pragma once

#include <QByteArray>

namespace r5k27 {

struct MemoryImage;

// The 1344-byte file form: little-endian, fields in declaration order, nothing between them.
QByteArray serializeImage(const MemoryImage& image);
// False (and image untouched) unless data is exactly kFileSize bytes.
bool deserializeImage(const QByteArray& data, MemoryImage& image);

} // namespace r5k27
