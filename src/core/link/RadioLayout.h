#pragma once

// Where everything sits in the radio's 16 KiB memory. m = bank (0 CB, 1 HF), g = group 1..10,
// s = channel slot 1..48 (47 and 48 hold copies of the dual-watch channels).
namespace r5k27::RadioLayout {

constexpr int kImageSize = 0x4000;
constexpr int kBlockSize = 16;
constexpr int kSlotsPerGroup = 48;
constexpr int kRealSlots = 46;
constexpr int kBankSize = 7680; // 10 groups of 48 blocks

constexpr int kDtmfCodes1to8 = 0x3880;  // inside HF group 9, slots 41..48
constexpr int kDtmfCodes9to16 = 0x3B80; // inside HF group 10, slots 41..48
constexpr int kGroupValid = 0x3C00;     // 2 bytes per bank
constexpr int kGroupNames = 0x3C04;
constexpr int kEmergencyCh = 0x3C54;
constexpr int kOpt328AndWorkMode = 0x3C7C;
constexpr int kWorkGroup = 0x3C7D; // CB, then HF at 0x3C7E
constexpr int kModeFlags = 0x3C7F;
constexpr int kScanBitmapsCB = 0x3C80;
constexpr int kScanBitmapsHF = 0x3CC0;
constexpr int kWorkCh = 0x3D00;
constexpr int kDwCh = 0x3D14;
constexpr int kMemCh = 0x3D40;
constexpr int kPresentBitmapsCB = 0x3D80;
constexpr int kPresentBitmapsHF = 0x3DC0;
constexpr int kRogerTones = 0x3E00;
constexpr int kOptions = 0x3F00;
constexpr int kExtTable = 0x3F30;
constexpr int kFiller = 0x3FF8;
constexpr unsigned char kFillerByte = 0x55;

constexpr int bankIndex(int m, int g) {
    return 10 * m + g - 1;
}

constexpr int channelBlock(int m, int g, int s) {
    return kBlockSize * (kSlotsPerGroup * (g - 1) + s - 1) + kBankSize * m;
}
constexpr int groupValidBitmap(int m) {
    return kGroupValid + 2 * m;
}
constexpr int groupName(int m, int g) {
    return kGroupNames + 4 * bankIndex(m, g);
}
constexpr int emergencyCh(int m, int g, int k) {
    return kEmergencyCh + 2 * bankIndex(m, g) + k;
}
constexpr int workGroup(int m) {
    return kWorkGroup + m;
}
constexpr int scanBitmap(int m, int g) {
    return (m == 0 ? kScanBitmapsCB : kScanBitmapsHF) + 6 * (g - 1);
}
constexpr int presentBitmap(int m, int g) {
    return (m == 0 ? kPresentBitmapsCB : kPresentBitmapsHF) + 6 * (g - 1);
}
constexpr int workCh(int m, int g) {
    return kWorkCh + bankIndex(m, g);
}
constexpr int dwCh(int m, int g, int k) {
    return kDwCh + 2 * bankIndex(m, g) + k;
}
constexpr int memCh(int m, int g) {
    return kMemCh + bankIndex(m, g);
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

// Offsets inside a channel block.
namespace Block {
constexpr int kRxFreq = 0; // 3 packed-decimal bytes, lowest pair first
constexpr int kToneValue = 5;
constexpr int kMode = 6;
constexpr int kSwitches = 9; // HiCut, NbAnl, Echo, Add10K, BusyLock in bits 0..4
constexpr int kRogerTone = 10;
constexpr int kShiftToneTypePublic = 11; // RepShift bits 0-1, tone type bits 4-5, PublicCh bit 7
constexpr int kBotCode = 12;
constexpr int kEotCode = 13;
constexpr int kCallCode = 14;
} // namespace Block

// Single option bytes at kOptions onwards.
namespace Option {
constexpr int kBattMax = 0x3F00; // 16-bit, low byte first
constexpr int kBattMin = 0x3F02;
constexpr int kSwrMax = 0x3F04;
constexpr int kPubMode = 0x3F05;
constexpr int kModeEnable = 0x3F06;
constexpr int kPubSwitches = 0x3F07;
constexpr int kPubRogerTone = 0x3F08;
constexpr int kPubBotCode = 0x3F09;
constexpr int kPubEotCode = 0x3F0A;
constexpr int kPubCallCode = 0x3F0B;
constexpr int kBeepOnToBacklight = 0x3F0C; // ten bytes
constexpr int kZero = 0x3F16;
constexpr int kExtFreq = 0x3F17; // low byte, then high byte
constexpr int kExtSwitch = 0x3F19;
constexpr int kExtSelect = 0x3F1A;
constexpr int kDtmfTimings = 0x3F1B; // six bytes
constexpr int kMenuPage = 0x3F21;
} // namespace Option

} // namespace r5k27::RadioLayout
