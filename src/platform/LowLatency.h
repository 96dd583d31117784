#pragma once

#include <QtGlobal>

namespace r5k27 {

// USB-serial chips hold short replies until their latency timer runs out, which costs a few
// milliseconds on every block. Asking the driver for low latency shortens that timer.
enum class LowLatency { Granted, AlreadyOn, Refused };

// Asks the driver of the open serial device handle for low latency. A port that does not take
// the request (a pseudo-terminal, a driver without the setting) is left as it is.
LowLatency requestLowLatency(qintptr handle);

const char* lowLatencyText(LowLatency result);

} // namespace r5k27
