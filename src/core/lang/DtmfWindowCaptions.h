#pragma once

#include "Language.h"

namespace r5k27::DtmfWindowCaptions {

inline constexpr BiText window{"DTMF", "DTMF(双音多频)"};
inline constexpr BiText encodePage{"Encode", "编码"};
inline constexpr BiText decodePage{"Decode", "解码"};
inline constexpr BiText autodialPage{"Autodial Memory", "自动拨号存储器"};
inline constexpr BiText numberHeader{"No.", "编号"};
inline constexpr BiText codeHeader{"Autodial Memory", "自动拨号存储器"};
// The name of a code change in the undo history; %1 is the code number.
inline constexpr BiText codeEdit{"DTMF code %1", "DTMF 码 %1"};

} // namespace r5k27::DtmfWindowCaptions
