#include "UsbSerialChips.h"

#include <array>

namespace r5k27 {
namespace {

struct Chip {
    std::uint16_t vendor;
    std::uint16_t product;
    const char* name;
};

constexpr std::array kChips{
    Chip{0x0403, 0x6001, "FTDI FT232R"},         Chip{0x0403, 0x6010, "FTDI FT2232"},
    Chip{0x0403, 0x6011, "FTDI FT4232"},         Chip{0x0403, 0x6014, "FTDI FT232H"},
    Chip{0x0403, 0x6015, "FTDI FT230X"},         Chip{0x067b, 0x2303, "Prolific PL2303"},
    Chip{0x067b, 0x23a3, "Prolific PL2303"},     Chip{0x067b, 0x23b3, "Prolific PL2303"},
    Chip{0x067b, 0x23c3, "Prolific PL2303"},     Chip{0x067b, 0x23d3, "Prolific PL2303"},
    Chip{0x067b, 0x23e3, "Prolific PL2303"},     Chip{0x067b, 0x23f3, "Prolific PL2303"},
    Chip{0x1a86, 0x7523, "WCH CH340"},           Chip{0x1a86, 0x5523, "WCH CH341"},
    Chip{0x1a86, 0x55d4, "WCH CH9102"},          Chip{0x10c4, 0xea60, "Silicon Labs CP210x"},
    Chip{0x10c4, 0xea70, "Silicon Labs CP2105"}, Chip{0x10c4, 0xea71, "Silicon Labs CP2108"},
};

} // namespace

QString usbSerialChipName(std::uint16_t vendorId, std::uint16_t productId) {
    for (const Chip& chip : kChips)
        if (chip.vendor == vendorId && chip.product == productId)
            return QString::fromLatin1(chip.name);
    return {};
}

} // namespace r5k27
