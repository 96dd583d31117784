#pragma once

#include "core/common/Prompter.h"
#include "core/lang/Language.h"

namespace r5k27 {

// Where a model operation's message boxes go and in which language. A default-constructed
// target shows nothing, for callers that must stay silent (batch tools, bulk conversions).
struct MessageTarget {
    Prompter* prompter = nullptr;
    Language language = Language::English;

    bool enabled() const { return prompter != nullptr; }
    void show(const QString& text, Buttons buttons, Icon icon) const {
        if (prompter)
            prompter->ask(text, buttons, icon);
    }
    void warn(const LocalText& text) const { show(text.in(language), Buttons::Ok, Icon::Warning); }
};

} // namespace r5k27
