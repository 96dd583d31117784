#pragma once

#include "core/lang/Language.h"

// What a number field tells about its limits: in its tool tip, and when a typed value was
// changed to keep them.
namespace r5k27::LimitCaptions {

// %1 the limits
inline constexpr LocalText allowed{"Allowed: %1", "允许范围：%1"};
// %1 typed, %2 kept, %3 the limits
inline constexpr LocalText changed{"%1 changed to %2 (allowed: %3)",
                                   "%1 已改为 %2（允许范围：%3）"};
inline constexpr LocalText rssiPoint{"1 - 36, each point above the one on its left",
                                     "1 - 36，每个点须大于其左侧的点"};

} // namespace r5k27::LimitCaptions
