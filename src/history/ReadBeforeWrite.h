#pragma once

#include "HistoryLog.h"
#include "core/common/Prompter.h"

#include <functional>
#include <optional>

namespace r5k27 {

// What a read of the radio just before a write brought back.
struct PriorContents {
    QByteArray image;
    QString model;
    QString firmware;
    QDateTime started = {};
    QDateTime ended = {};
};

struct ReadBeforeWriteSteps {
    // Reads the radio with the read's own progress and questions; nullopt when it did not
    // (cancelled, silent radio: the read has said why).
    std::function<std::optional<PriorContents>()> readRadio;
    // Starts the write with its usual confirmations.
    std::function<void()> write;
    QString port = {};
    QString document = {};
};

// Setup › Read the Radio Before Writing: the radio's present contents go into the history
// before the write replaces them. When they cannot be kept, the user decides whether to write
// anyway. True when the write was started.
bool readThenWrite(const ReadBeforeWriteSteps& steps, HistoryLog& log, Prompter& prompter,
                   Language lang);

} // namespace r5k27
