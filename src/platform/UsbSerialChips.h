#pragma once

#include <QString>
#include <cstdint>

namespace r5k27 {

// The USB-serial chip of a programming cable by its USB vendor and product number ("WCH CH340");
// empty for chips the program does not know. The udev rule installed with the program names
// the same chips.
QString usbSerialChipName(std::uint16_t vendorId, std::uint16_t productId);

} // namespace r5k27
