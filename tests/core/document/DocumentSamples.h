#pragma once

#include "core/document/Document.h"

#include <QRandomGenerator>
#include <QString>

namespace r5k27::test {

// Any bytes in every field, counts 0..46 and distinct channel numbers within each group: what a
// data file the program accepts may hold.
MemoryImage randomImage(QRandomGenerator& rng);
ChTable randomTable(QRandomGenerator& rng, const MemoryImage& image);
// A working pair that differs from its (random) saved pair, named path.
Document randomDocument(QRandomGenerator& rng, const QString& path = QStringLiteral("some.dat"));

// Writes the data file and its channel file as the format says, without the program's code.
void writeFilesRaw(const QString& dataPath, const MemoryImage& image, const ChTable& table);

// Every part of the document, also the slots above the counts and the saved copy.
bool sameDocument(const Document& a, const Document& b);

} // namespace r5k27::test
