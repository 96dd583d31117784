#pragma once

#include "core/channels/ChannelTable.h"
#include "core/image/MemoryImage.h"

#include <QString>

namespace r5k27 {

inline const QString kUntitledDocPath = QStringLiteral("new.dat");

// The one open document: the working record and its last-saved copy, and where it lives.
struct Document {
    MemoryImage curImage;
    ChTable chTable;
    MemoryImage fileImage; // as last read from or written to disk
    ChTable fileChTable;
    QString docPath = kUntitledDocPath;
    bool docUntitled = true;
};

} // namespace r5k27
