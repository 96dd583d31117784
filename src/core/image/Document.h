#pragma once

#include "MemoryImage.h"

#include <QString>

namespace r5k27 {

inline const QString kUntitledDocPath = QStringLiteral("new.dat");

// The one open document: the working record and its last-saved copy, and where it lives.
struct Document {
    MemoryImage curImage;
    MemoryImage fileImage;
    QString docPath = kUntitledDocPath;
    bool docUntitled = true;
};

} // namespace r5k27
