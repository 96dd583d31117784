#pragma once

#include "OptionValues.h"
#include "core/lang/Language.h"
#include "core/lang/OptionWindowCaptions.h"

#include <span>

namespace r5k27 {

// An option as the options window shows it. A value that sits under a switch (the limits of a
// protection) names that switch as its context, since its own caption ("Max") says little alone.
struct CaptionedOption {
    OptionId id;
    const OptionControlText* text;
    const OptionControlText* context = nullptr;
    // The window's control, for the frames it builds from this table.
    const char* control = nullptr;
};

// The options the window shows, frame by frame in the window's order; the first frame has no
// caption of its own.
struct OptionFrame {
    const LocalText* caption;
    std::span<const CaptionedOption> options;
};

std::span<const OptionFrame> optionWindowFrames();
// Indexes into optionWindowFrames().
inline constexpr std::size_t kPublicFrame = 1;
inline constexpr std::size_t kModeEnableFrame = 2;

// "caption" or "context caption" in a language.
QString optionCaption(const CaptionedOption& option, Language lang);

} // namespace r5k27
