#pragma once

#include "core/lang/Language.h"

namespace r5k27::DtmfWindowCaptions {

inline constexpr LocalText window{"DTMF", "DTMF(双音多频)"};
inline constexpr LocalText encodePage{"Encode", "编码"};
inline constexpr LocalText decodePage{"Decode", "解码"};
inline constexpr LocalText autodialPage{"Autodial Memory", "自动拨号存储器"};
inline constexpr LocalText numberHeader{"No.", "编号"};
inline constexpr LocalText codeHeader{"Autodial Memory", "自动拨号存储器"};
// The name of a code change in the undo history; %1 is the code number.
inline constexpr LocalText codeEdit{"DTMF code %1", "DTMF 码 %1"};

} // namespace r5k27::DtmfWindowCaptions
