#pragma once

#include "core/image/RadioLayout.h"

#include <QtGlobal>

namespace r5k27 {

// What the running link operation does; 1 to 3 are the numbers the program has always used.
// Identify asks the radio who it is and ends the session without touching its memory.
enum class LinkOp { Idle = 0, Read = 1, Write = 2, RadioInfo = 3, Identify = 4 };

// The kinds that move memory and show their progress.
constexpr bool movesMemory(LinkOp op) {
    return op == LinkOp::Read || op == LinkOp::Write;
}

// Step of a read or write. Read and write share the numbering; reading blocks is 5, writing 4.
enum class LinkStage {
    Idle = 0,
    ProgramSent = 1,
    IdentifySent = 3,
    WritingBlocks = 4,
    ReadingBlocks = 5,
    EndSent = 69,
    EndAfterRejection = 70,
};

// Last address of each range; a block starting at or after it is not transferred.
constexpr int kReadEndAddr = 0x3FFF;
constexpr int kWriteEndAddr = 0x3F3F;
constexpr int kRadioInfoFirstAddr = 0x1F00;
constexpr int kReplyTimeoutMs = 300;

} // namespace r5k27
