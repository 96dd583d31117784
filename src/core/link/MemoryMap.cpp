#include "MemoryMap.h"

#include "RadioLayout.h"
#include "channels/BandLimits.h"

#include <cmath>

namespace r5k27 {
namespace L = RadioLayout;

namespace {

constexpr unsigned char kNoDigit = 0x10;

struct FieldRef {
    const char* name;
    int mode = -1;
    int group = 0;
    int channel = 0;
};

long long roundHalfEven(double v) {
    return std::llrint(v);
} // default FE mode: to nearest even

// Writes values into a copy of the image, stopping at the first value that does not fit.
class Encoder {
public:
    explicit Encoder(QByteArray buf)
        : buf_(std::move(buf)) {}

    void byte(int addr, long long value, const FieldRef& f) { put(addr, value, 0, 255, f); }

    void bit(int addr, int bitIndex, long long value, const FieldRef& f) {
        if (check(value, 0, 1, f) && value)
            buf_[addr] = char(uchar(buf_[addr]) | (1u << bitIndex));
    }

    // A "minus n" reference byte: 0 (no reference) is stored as 0xFF.
    void reference(int addr, long long value, int base, const FieldRef& f) {
        if (value == 0)
            put(addr, 0xFF, 0, 255, f);
        else if (check(value, base, base + 254, f))
            buf_[addr] = char(value - base);
    }

    void raw(int addr, unsigned char value) { buf_[addr] = char(value); }

    bool check(long long value, long long min, long long max, const FieldRef& f) {
        if (refusal_)
            return false;
        if (value >= min && value <= max)
            return true;
        refusal_ =
            EncodeRefusal{QString::fromLatin1(f.name), f.mode, f.group, f.channel, value, min, max};
        return false;
    }

    const std::optional<EncodeRefusal>& refusal() const { return refusal_; }
    QByteArray& buf() { return buf_; }

private:
    void put(int addr, long long value, long long min, long long max, const FieldRef& f) {
        if (check(value, min, max, f))
            buf_[addr] = char(value);
    }

    QByteArray buf_;
    std::optional<EncodeRefusal> refusal_;
};

void setBitmapBit(QByteArray& buf, int bitmap, int n) {
    buf[bitmap + (n - 1) / 8] = char(uchar(buf[bitmap + (n - 1) / 8]) | (1u << ((n - 1) % 8)));
}

bool bitmapBit(const QByteArray& buf, int bitmap, int n) {
    return (uchar(buf[bitmap + (n - 1) / 8]) >> ((n - 1) % 8)) & 1;
}

bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Three packed-decimal bytes, lowest pair first; no usable frequency gives 0xFF 0xFF 0xFF.
void encodeRxFreq(Encoder& e, int block, const FixedText<8>& rxFreq) {
    QString text = rxFreq.raw();
    while (text.endsWith(u' '))
        text.chop(1);
    text = text.leftJustified(8, u'0', true);
    const bool usable = !rxFreq.raw().trimmed().isEmpty() && allDigits(text);
    for (int pair = 0; pair < 3; ++pair)
        e.raw(block + 2 - pair, usable ? uchar(text.mid(2 * pair, 2).toUInt(nullptr, 16)) : 0xFF);
}

void encodeChannelBlock(Encoder& e, int block, const ChannelRec& r, const FieldRef& at) {
    auto f = [&at](const char* name) { return FieldRef{name, at.mode, at.group, at.channel}; };
    encodeRxFreq(e, block, r.rxFreq);
    e.raw(block + 3, 0);
    e.raw(block + 4, 0);

    int toneType = 0;
    long long toneValue = 0;
    if (r.decodeTone >= 1 && r.decodeTone <= 38) {
        toneType = 1;
        toneValue = r.decodeTone;
    } else if (r.decodeTone >= 39 && e.check(r.decodeTone, 39, 38 + 255, f("DecodeTone"))) {
        toneType = 2;
        toneValue = r.decodeTone - 38;
    }
    e.byte(block + L::Block::kToneValue, toneValue, f("DecodeTone"));
    e.byte(block + L::Block::kMode, r.mode, f("Mode"));

    const int sw = block + L::Block::kSwitches;
    e.raw(sw, 0);
    e.bit(sw, 0, r.hiCut, f("HiCut"));
    e.bit(sw, 1, r.nbAnl, f("NbAnl"));
    e.bit(sw, 2, r.echo, f("Echo"));
    e.bit(sw, 3, r.add10K, f("Add10K"));
    e.bit(sw, 4, r.busyLock, f("BusyLock"));
    e.byte(block + L::Block::kRogerTone, r.rogerTone, f("RogerTone"));

    const int packed = block + L::Block::kShiftToneTypePublic;
    if (e.check(r.repShift, 0, 3, f("RepShift")))
        e.raw(packed, uchar(r.repShift | (toneType << 4)));
    e.bit(packed, 7, r.publicCh, f("PublicCh"));
    e.byte(block + L::Block::kBotCode, r.botCode, f("BotCode"));
    e.byte(block + L::Block::kEotCode, r.eotCode, f("EotCode"));
    e.byte(block + L::Block::kCallCode, r.callCode, f("CallCode"));
}

void encodeChannels(Encoder& e, const MemoryImage& image, const ChTable& table) {
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            const int count = image.chCount(m, g);
            if (!e.check(count, 0, kSlotCount, {"ChCount", m, g}))
                return;
            for (int i = 1; i <= count; ++i) {
                const ChannelRec& r = table.at(m, i, g);
                if (!e.check(r.chNo, 1, L::kRealSlots, {"ChNo", m, g, r.chNo}))
                    return;
                const FieldRef at{"", m, g, r.chNo};
                e.check(r.scanAdd, 0, 1, {"ScanAdd", m, g, r.chNo});
                auto writeSlot = [&](int slot, bool present) {
                    if (L::slotSharedWithDtmf(m, g, slot))
                        return;
                    encodeChannelBlock(e, L::channelBlock(m, g, slot), r, at);
                    if (present)
                        setBitmapBit(e.buf(), L::presentBitmap(m, g), slot);
                    if (r.scanAdd)
                        setBitmapBit(e.buf(), L::scanBitmap(m, g), slot);
                };
                writeSlot(r.chNo, true);
                if (r.chNo == image.optFeat.dwCh(m, g, 0))
                    writeSlot(47, false);
                else if (r.chNo == image.optFeat.dwCh(m, g, 1))
                    writeSlot(48, false);
            }
        }
    }
}

void encodeGroups(Encoder& e, const MemoryImage& image) {
    const OptFeatRec& of = image.optFeat;
    for (int m = 0; m < kModeCount; ++m) {
        e.raw(L::groupValidBitmap(m), 0);
        e.raw(L::groupValidBitmap(m) + 1, 0);
        for (int g = 1; g <= kGroupCount; ++g) {
            e.bit(L::groupValidBitmap(m) + (g - 1) / 8, (g - 1) % 8, of.groupValid(m, g),
                  {"GroupValid", m, g});
            const QByteArray name =
                encodeSingleByte(of.groupName(m, g).clean()).leftJustified(4, '\0', true);
            for (int i = 0; i < 4; ++i)
                e.raw(L::groupName(m, g) + i, uchar(name[i]));
            for (int k = 0; k < 2; ++k) {
                e.reference(L::emergencyCh(m, g, k), of.emergencyCh(m, g, k), 1,
                            {"EmergencyCh", m, g});
                e.reference(L::dwCh(m, g, k), of.dwCh(m, g, k), 1, {"DwCh", m, g});
            }
            e.reference(L::workCh(m, g), of.workCh(m, g), 1, {"WorkCh", m, g});
            e.reference(L::memCh(m, g), of.memCh(m, g), 41, {"MemCh", m, g});
        }
        e.reference(L::workGroup(m), of.workGroup[std::size_t(m)], 1, {"WorkGroup", m});
    }
    // The rest of the program reads any work mode but 0 as HF; the radio must not get another.
    if (e.check(image.workMode, 0, 1, {"WorkMode"}) && e.check(of.opt328, -1, 14, {"Opt328"}))
        e.raw(L::kOpt328AndWorkMode, uchar((of.opt328 + 1) * 16 + image.workMode));
    e.raw(L::kModeFlags, 0);
    e.bit(L::kModeFlags, 0, of.voxFunction, {"VoxFunction"});
    e.bit(L::kModeFlags, 1, of.channelMode, {"ChannelMode"});
    e.bit(L::kModeFlags, 2, of.memMenu, {"MemMenu"});
}

// The highest voltage (in tenths) whose scaled value still fits the radio's 16 bits.
constexpr int kMaxBatteryTenths = int(65535 * 261.5 / 1024);

void encodeBattery(Encoder& e, int addr, std::int16_t tenthsOfVolt, const char* name) {
    if (e.check(tenthsOfVolt, 0, kMaxBatteryTenths, {name})) {
        const long long scaled = roundHalfEven(tenthsOfVolt * 1024.0 / 261.5);
        e.raw(addr, uchar(scaled & 0xFF));
        e.raw(addr + 1, uchar(scaled >> 8));
    }
}

void encodeOptions(Encoder& e, const MemoryImage& image) {
    namespace O = L::Option;
    const OptFeatRec& of = image.optFeat;
    encodeBattery(e, O::kBattMax, of.battMax, "BattMax");
    encodeBattery(e, O::kBattMin, of.battMin, "BattMin");
    e.byte(O::kSwrMax, of.swrMax, {"SwrMax"});
    e.byte(O::kPubMode, of.pubMode, {"PubMode"});
    e.raw(O::kModeEnable, 0);
    for (int i = 0; i < 5; ++i)
        e.bit(O::kModeEnable, i, of.modeEnable[std::size_t(i)], {"ModeEnable"});
    e.raw(O::kPubSwitches, 0);
    e.bit(O::kPubSwitches, 0, of.pubHiCut, {"PubHiCut"});
    e.bit(O::kPubSwitches, 1, of.pubNbAnl, {"PubNbAnl"});
    e.bit(O::kPubSwitches, 2, of.pubEcho, {"PubEcho"});
    e.bit(O::kPubSwitches, 3, of.pubAdd10K, {"PubAdd10K"});
    e.bit(O::kPubSwitches, 4, of.pubBusy, {"PubBusy"});
    e.byte(O::kPubRogerTone, of.pubRogerTone, {"PubRogerTone"});
    e.byte(O::kPubBotCode, of.pubBotCode, {"PubBotCode"});
    e.byte(O::kPubEotCode, of.pubEotCode, {"PubEotCode"});
    e.byte(O::kPubCallCode, of.pubCallCode, {"PubCallCode"});
    const std::pair<std::int16_t, const char*> tenBytes[] = {{of.beepOn, "BeepOn"},
                                                             {of.txDisplay, "TxDisplay"},
                                                             {of.micLevel, "MicLevel"},
                                                             {of.nog, "Nog"},
                                                             {of.tot, "Tot"},
                                                             {of.swrProtect, "SwrProtect"},
                                                             {of.battProtect, "BattProtect"},
                                                             {of.scanMode, "ScanMode"},
                                                             {of.fin, "Fin"},
                                                             {of.backlightColor, "BacklightColor"}};
    for (int i = 0; i < 10; ++i)
        e.byte(O::kBeepOnToBacklight + i, tenBytes[i].first, {tenBytes[i].second});
    e.raw(O::kZero, 0);
    if (e.check(image.extFreq, 0, 65535, {"ExtFreq"})) {
        e.raw(O::kExtFreq, uchar(image.extFreq % 256));
        e.raw(O::kExtFreq + 1, uchar(image.extFreq / 256));
    }
    e.raw(O::kExtSwitch, 0);
    e.bit(O::kExtSwitch, 0, image.extSwitch, {"ExtSwitch"});
    e.byte(O::kExtSelect, image.extSelect, {"ExtSelect"});
    const std::pair<std::int16_t, const char*> timings[] = {
        {of.dtmfSendTime, "DtmfSendTime"},       {of.firstDigitTime, "FirstDigitTime"},
        {of.firstDigitDelay, "FirstDigitDelay"}, {of.starHashTime, "StarHashTime"},
        {of.dCodeAssign, "DCodeAssign"},         {of.dtmfDisplay, "DtmfDisplay"}};
    for (int i = 0; i < 6; ++i)
        e.byte(O::kDtmfTimings + i, timings[i].first, {timings[i].second});
    e.byte(O::kMenuPage, of.menuPage, {"MenuPage"});
    for (int i = 0; i < 12; ++i)
        e.byte(L::kExtTable + i, image.extTable[std::size_t(i)], {"ExtTable"});
}

void encodeDtmfCodes(Encoder& e, const MemoryImage& image) {
    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        QString text = image.optFeat.dtmf(k).raw();
        while (text.endsWith(u' '))
            text.chop(1);
        for (int i = 0; i < 16; ++i)
            e.raw(L::dtmfCode(k) + i, i < text.size() ? uchar(dtmfDigitCode(text[i])) : kNoDigit);
    }
}

void encodeRogerTones(Encoder& e, const MemoryImage& image) {
    for (int t = 1; t <= kToneSeqCount; ++t) {
        const ToneSeq& seq = image.rbTone.tone(t);
        const int at = L::rogerTone(t);
        e.byte(at, seq.repeatCount, {"RepeatCount"});
        e.byte(at + 1, seq.interTime, {"InterTime"});
        for (int s = 0; s < kToneStepCount; ++s) {
            e.byte(at + 2 + s, seq.steps[std::size_t(s)].freqCode, {"FreqCode"});
            e.byte(at + 16 + s, seq.steps[std::size_t(s)].durCode, {"DurCode"});
        }
    }
}

// ---- decoding ----

uchar at(const QByteArray& buf, int addr) {
    return uchar(buf[addr]);
}

std::int16_t referenceAt(const QByteArray& buf, int addr, int base) {
    return at(buf, addr) == 0xFF ? 0 : std::int16_t(at(buf, addr) + base);
}

std::int16_t bitAt(const QByteArray& buf, int addr, int bitIndex) {
    return std::int16_t((at(buf, addr) >> bitIndex) & 1);
}

QString hexPair(uchar b) {
    return QStringLiteral("%1").arg(uint(b), 2, 16, QChar(u'0')).toUpper();
}

// A channel as a new channel starts, then the radio's fields; the radio holds no TxFreq,
// EncodeTone or spare fields, so they get the new-channel values.
ChannelRec decodeChannel(const QByteArray& buf, int block, int chNo, bool scan,
                         const QString& freq) {
    ChannelRec r;
    r.chNo = std::int16_t(chNo);
    r.chFlag = 1;
    r.scanAdd = scan ? 1 : 0;
    r.rxFreq.assign(freq);
    r.txFreq.assign(freq);
    r.encodeTone = 8;
    const uchar packed = at(buf, block + L::Block::kShiftToneTypePublic);
    const int toneType = (packed >> 4) & 3;
    const uchar toneValue = at(buf, block + L::Block::kToneValue);
    r.decodeTone = std::int16_t(toneType == 1 ? toneValue : toneType == 2 ? toneValue + 38 : 0);
    r.mode = at(buf, block + L::Block::kMode);
    const int sw = block + L::Block::kSwitches;
    r.hiCut = bitAt(buf, sw, 0);
    r.nbAnl = bitAt(buf, sw, 1);
    r.echo = bitAt(buf, sw, 2);
    r.add10K = bitAt(buf, sw, 3);
    r.busyLock = bitAt(buf, sw, 4);
    r.rogerTone = at(buf, block + L::Block::kRogerTone);
    r.repShift = std::int16_t(packed & 3);
    r.publicCh = std::int16_t((packed >> 7) & 1);
    r.botCode = at(buf, block + L::Block::kBotCode);
    r.eotCode = at(buf, block + L::Block::kEotCode);
    r.callCode = at(buf, block + L::Block::kCallCode);
    return r;
}

void decodeChannels(const QByteArray& buf, MemoryImage& image, ChTable& table) {
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            int count = 0;
            for (int c = 1; c <= L::kRealSlots; ++c) {
                if (L::slotSharedWithDtmf(m, g, c) || !bitmapBit(buf, L::presentBitmap(m, g), c))
                    continue;
                const int block = L::channelBlock(m, g, c);
                const QString freq = hexPair(at(buf, block + 2)) + hexPair(at(buf, block + 1)) +
                                     hexPair(at(buf, block)) + QStringLiteral("00");
                if (!allDigits(freq))
                    continue;
                table.at(m, ++count, g) =
                    decodeChannel(buf, block, c, bitmapBit(buf, L::scanBitmap(m, g), c), freq);
            }
            image.chCount(m, g) = std::int16_t(count);
        }
    }
}

void decodeGroupsAndOptions(const QByteArray& buf, MemoryImage& image) {
    namespace O = L::Option;
    OptFeatRec& of = image.optFeat;
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            of.groupValid(m, g) = bitmapBit(buf, L::groupValidBitmap(m), g);
            of.groupName(m, g).assignBytes(buf.mid(L::groupName(m, g), 4));
            for (int k = 0; k < 2; ++k) {
                of.emergencyCh(m, g, k) = referenceAt(buf, L::emergencyCh(m, g, k), 1);
                of.dwCh(m, g, k) = referenceAt(buf, L::dwCh(m, g, k), 1);
            }
            of.workCh(m, g) = referenceAt(buf, L::workCh(m, g), 1);
            of.memCh(m, g) = referenceAt(buf, L::memCh(m, g), 41);
        }
        of.workGroup[std::size_t(m)] = referenceAt(buf, L::workGroup(m), 1);
    }
    const uchar modeByte = at(buf, L::kOpt328AndWorkMode);
    // Only 0 (CB) and 1 (HF) index the per-mode arrays; any other bank number means HF.
    image.workMode = (modeByte % 16) == 0 ? 0 : 1;
    of.opt328 = std::int16_t(modeByte / 16 - 1);
    of.voxFunction = bitAt(buf, L::kModeFlags, 0);
    of.channelMode = bitAt(buf, L::kModeFlags, 1);
    of.memMenu = bitAt(buf, L::kModeFlags, 2);

    auto battery = [&buf](int addr) {
        const int scaled = at(buf, addr) | (at(buf, addr + 1) << 8);
        return std::int16_t(roundHalfEven(scaled * 261.5 / 1024.0));
    };
    of.battMax = battery(O::kBattMax);
    of.battMin = battery(O::kBattMin);
    of.swrMax = at(buf, O::kSwrMax);
    of.pubMode = at(buf, O::kPubMode);
    for (int i = 0; i < 5; ++i)
        of.modeEnable[std::size_t(i)] = bitAt(buf, O::kModeEnable, i);
    of.pubHiCut = bitAt(buf, O::kPubSwitches, 0);
    of.pubNbAnl = bitAt(buf, O::kPubSwitches, 1);
    of.pubEcho = bitAt(buf, O::kPubSwitches, 2);
    of.pubAdd10K = bitAt(buf, O::kPubSwitches, 3);
    of.pubBusy = bitAt(buf, O::kPubSwitches, 4);
    of.pubRogerTone = at(buf, O::kPubRogerTone);
    of.pubBotCode = at(buf, O::kPubBotCode);
    of.pubEotCode = at(buf, O::kPubEotCode);
    of.pubCallCode = at(buf, O::kPubCallCode);
    std::int16_t* tenBytes[] = {&of.beepOn, &of.txDisplay,     &of.micLevel,    &of.nog,
                                &of.tot,    &of.swrProtect,    &of.battProtect, &of.scanMode,
                                &of.fin,    &of.backlightColor};
    for (int i = 0; i < 10; ++i)
        *tenBytes[i] = at(buf, O::kBeepOnToBacklight + i);
    image.extFreq = at(buf, O::kExtFreq + 1) * 256 + at(buf, O::kExtFreq);
    image.extSwitch = bitAt(buf, O::kExtSwitch, 0);
    image.extSelect = at(buf, O::kExtSelect);
    std::int16_t* timings[] = {&of.dtmfSendTime, &of.firstDigitTime, &of.firstDigitDelay,
                               &of.starHashTime, &of.dCodeAssign,    &of.dtmfDisplay};
    for (int i = 0; i < 6; ++i)
        *timings[i] = at(buf, O::kDtmfTimings + i);
    of.menuPage = at(buf, O::kMenuPage);
    for (int i = 0; i < 12; ++i)
        image.extTable[std::size_t(i)] = at(buf, L::kExtTable + i);

    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        QString text;
        for (int i = 0; i < 16 && at(buf, L::dtmfCode(k) + i) <= 15; ++i)
            text += dtmfDigitChar(at(buf, L::dtmfCode(k) + i));
        of.dtmf(k).assignTerminated(text);
    }
}

void decodeRogerTones(const QByteArray& buf, MemoryImage& image) {
    for (int t = 1; t <= kToneSeqCount; ++t) {
        ToneSeq& seq = image.rbTone.tone(t);
        const int addr = L::rogerTone(t);
        seq.repeatCount = at(buf, addr);
        seq.interTime = at(buf, addr + 1);
        for (int s = 0; s < kToneStepCount; ++s) {
            seq.steps[std::size_t(s)].freqCode = at(buf, addr + 2 + s);
            seq.steps[std::size_t(s)].durCode = at(buf, addr + 16 + s);
        }
    }
}

QString channelName(int channel) {
    return channel > kOrdinaryChannels ? QStringLiteral("M%1").arg(channel - kOrdinaryChannels)
                                       : QString::number(channel);
}

} // namespace

int dtmfDigitCode(QChar c) {
    if (c == u'#')
        return 14;
    if (c == u'*')
        return 15;
    bool ok = false;
    const int value = QString(c).toInt(&ok, 16);
    return ok ? value : kNoDigit;
}

QChar dtmfDigitChar(int code) {
    if (code == 14)
        return u'#';
    if (code == 15)
        return u'*';
    return QString::number(code, 16).toUpper().at(0);
}

QByteArray prepareRadioBuf() {
    QByteArray buf(L::kImageSize, char(0xFF));
    buf.replace(L::kScanBitmapsCB, 0x80, QByteArray(0x80, '\0'));
    buf.replace(L::kPresentBitmapsCB, 0x80, QByteArray(0x80, '\0'));
    return buf;
}

std::optional<EncodeRefusal> encodeImage(const MemoryImage& image, const ChTable& table,
                                         QByteArray& radioBuf) {
    Encoder e(radioBuf.size() == L::kImageSize ? radioBuf : prepareRadioBuf());
    encodeChannels(e, image, table);
    encodeGroups(e, image);
    encodeOptions(e, image);
    encodeDtmfCodes(e, image); // last of the options: they overlay HF groups 9 and 10
    for (int i = L::kFiller; i < L::kImageSize; ++i)
        e.raw(i, L::kFillerByte);
    encodeRogerTones(e, image);
    if (e.refusal())
        return e.refusal();
    radioBuf = e.buf();
    return std::nullopt;
}

bool decodeImage(const QByteArray& radioBuf, MemoryImage& image, ChTable& table,
                 AppSettings& settings) {
    if (radioBuf.size() != L::kImageSize)
        return false;
    decodeGroupsAndOptions(radioBuf, image);
    decodeChannels(radioBuf, image, table);
    decodeRogerTones(radioBuf, image);
    settings.bandText = bandTextOfWorkMode(image.workMode);
    return true;
}

QString EncodeRefusal::message(int lang) const {
    static constexpr BiText bank[] = {{"CB", "CB"}, {"HF", "HF"}};
    QString where;
    if (mode >= 0) {
        where = bank[mode == 0 ? 0 : 1].in(lang);
        if (group > 0)
            where += (lang == kLangChinese ? QStringLiteral(" 组 ") : QStringLiteral(" group ")) +
                     QChar(u'A' + group - 1);
        if (channel != 0)
            where +=
                (lang == kLangChinese ? QStringLiteral(" 信道 ") : QStringLiteral(", channel ")) +
                channelName(channel);
    }
    const QString range = QStringLiteral("%1..%2").arg(min).arg(max);
    if (lang == kLangChinese)
        return QStringLiteral("无法写入电台：%1%2 的值 %3 超出电台允许的范围 %4。")
            .arg(where.isEmpty() ? QString() : where + u' ', field)
            .arg(value)
            .arg(range);
    return QStringLiteral("Cannot write to the radio: %1%2 is %3, but the radio takes %4.")
        .arg(field, where.isEmpty() ? QString() : QStringLiteral(" (") + where + u')')
        .arg(value)
        .arg(range);
}

} // namespace r5k27
