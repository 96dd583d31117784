#pragma once

#include "core/channels/ChannelTable.h"
#include "core/document/DocumentDiff.h"
#include "core/image/MemoryImage.h"
#include "core/lang/Language.h"

#include <QByteArray>
#include <QList>

namespace r5k27 {

// Two documents compared in the radio's terms: each is encoded as a write would encode it, and
// two values that give the same bytes are equal (a frequency's digits below 100 Hz, a decode
// tone below 0). A document the encoder refuses is compared as it stands.
QList<FieldDifference> radioDifferences(const MemoryImage& left, const ChTable& leftTable,
                                        const MemoryImage& right, const ChTable& rightTable,
                                        Language lang);

// Two radio images (kRadioBufSize bytes) field by field, each decoded onto a blank document. A
// byte that differs while no field shows it (a value the decoder replaces, a channel without a
// frequency) is listed by its address, so the list is empty only when the images are equal.
QList<FieldDifference> radioImageDifferences(const QByteArray& left, const QByteArray& right,
                                             Language lang);

} // namespace r5k27
