#pragma once

#include "Document.h"

namespace r5k27 {

// Whether the working pair (image, table) differs from the saved pair in what the user edits.
// Channels are matched by number, so reordering alone is no change; TxFreq, the spare fields,
// a channel's roger tone, VerTag, WorkMode, CurGroup and GroupWorkCh are not compared.
bool differsFromSaved(const MemoryImage& image, const ChTable& table, const MemoryImage& saved,
                      const ChTable& savedTable);

// True when the document has unsaved changes.
bool isModified(const Document& doc);

} // namespace r5k27
