#pragma once

#include "Document.h"

namespace r5k27 {

// True when the document has unsaved changes: the working record differs from the saved one in
// what the user edits. Channels are matched by number, so reordering alone is no change; TxFreq,
// the spare fields, a channel's roger tone, VerTag, WorkMode, CurGroup and GroupWorkCh are not
// compared.
bool isModified(const Document& doc);

} // namespace r5k27
