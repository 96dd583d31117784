#pragma once

#include "core/common/DocumentEvents.h"
#include "core/lang/Language.h"

namespace r5k27 {

// A value put into a step's name: the same text in every language, or a text of each.
using EditArg = LocalString;

// The name of an undo step from a pattern with %1 and %2 ("Frequency %1").
inline EditName editNameOf(const LocalText& pattern, const EditArg& arg1 = {},
                           const EditArg& arg2 = {}) {
    return formatted(pattern, arg1, arg2);
}

} // namespace r5k27
