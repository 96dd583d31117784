#pragma once

namespace r5k27 {

// The editor windows the main window holds, at most one of each.
enum class ChildKind { Channel, Options, RogerBeep, Dtmf, ChannelList, History, Count };

} // namespace r5k27
