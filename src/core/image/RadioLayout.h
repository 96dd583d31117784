#pragma once

namespace r5k27 {

constexpr int kRadioBufSize = 16384;
constexpr int kBlockLen = 16;

} // namespace r5k27

// Where everything sits in the radio's 16 KiB memory (kRadioBufSize bytes, blocks of kBlockLen).
// The option values and group arrays carry their places in their field tables. m = bank (0 CB,
// 1 HF), g = group 1..10, s = channel slot 1..48 (47 and 48 hold copies of the dual-watch
// channels; slots 1..46 are the kSlotCount slots of the channel table).
namespace r5k27::RadioLayout {

constexpr int kSlotsPerGroup = 48;
constexpr int kBankSize = 7680; // 10 groups of 48 blocks

constexpr int kDtmfCodes1to8 = 0x3880;  // inside HF group 9, slots 41..48
constexpr int kDtmfCodes9to16 = 0x3B80; // inside HF group 10, slots 41..48
constexpr int kGroupNames = 0x3C04;     // 4 bytes each
constexpr int kGroupNameSize = 4;
constexpr int kHiddenSettingAndWorkMode = 0x3C7C; // work mode in the low nibble
constexpr int kScanBitmapsCB = 0x3C80;
constexpr int kScanBitmapsHF = 0x3CC0;
constexpr int kPresentBitmapsCB = 0x3D80;
constexpr int kPresentBitmapsHF = 0x3DC0;
constexpr int kRogerTones = 0x3E00;
constexpr int kZero = 0x3F16;
constexpr int kExtTable = 0x3F30;
constexpr int kExtTablePoints = 12;
constexpr int kFiller = 0x3FF8;
constexpr unsigned char kFillerByte = 0x55;

constexpr int bankIndex(int m, int g) {
    return 10 * m + g - 1;
}

constexpr int channelBlock(int m, int g, int s) {
    return kBlockLen * (kSlotsPerGroup * (g - 1) + s - 1) + kBankSize * m;
}
constexpr int groupName(int m, int g) {
    return kGroupNames + 4 * bankIndex(m, g);
}
constexpr int scanBitmap(int m, int g) {
    return (m == 0 ? kScanBitmapsCB : kScanBitmapsHF) + 6 * (g - 1);
}
constexpr int presentBitmap(int m, int g) {
    return (m == 0 ? kPresentBitmapsCB : kPresentBitmapsHF) + 6 * (g - 1);
}
constexpr int rogerTone(int t) {
    return kRogerTones + 64 * ((t - 1) / 2) + 30 * ((t - 1) % 2);
}
constexpr int dtmfCode(int k) {
    return k <= 8 ? kDtmfCodes1to8 + 16 * (k - 1) : kDtmfCodes9to16 + 16 * (k - 9);
}

// HF groups 9 and 10 give their slots 41..48 to the DTMF codes: no channel lives there.
constexpr bool slotSharedWithDtmf(int m, int g, int s) {
    return m == 1 && g >= 9 && s >= 41;
}

} // namespace r5k27::RadioLayout
