#include "MemoryMap.h"

#include "ChannelBlock.h"
#include "core/image/RadioLayout.h"
#include "core/options/GroupFields.h"
#include "core/options/OptionValues.h"

namespace r5k27 {
namespace L = RadioLayout;

namespace {

constexpr unsigned char kNoDigit = 0x10;

void setBitmapBit(QByteArray& buf, int bitmap, int n) {
    buf[bitmap + (n - 1) / 8] = char(uchar(buf[bitmap + (n - 1) / 8]) | (1u << ((n - 1) % 8)));
}

bool bitmapBit(const QByteArray& buf, int bitmap, int n) {
    return (uchar(buf[bitmap + (n - 1) / 8]) >> ((n - 1) % 8)) & 1;
}

void encodeChannels(SlotWriter& w, const MemoryImage& image, const ChTable& table) {
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            const int count = image.chCount(m, g);
            if (!w.check(count, 0, kSlotCount, {"ChCount", m, g}))
                return;
            for (int i = 1; i <= count; ++i) {
                const ChannelRec& r = table.at({m, g, i});
                if (!w.check(r.chNo, 1, kSlotCount, {"ChNo", m, g, r.chNo}))
                    return;
                w.check(r.scanAdd, 0, 1, {"ScanAdd", m, g, r.chNo});
                auto writeSlot = [&](int slot, bool present) {
                    if (L::slotSharedWithDtmf(m, g, slot))
                        return;
                    encodeChannelBlock(w, L::channelBlock(m, g, slot), r, {"", m, g, r.chNo});
                    if (present)
                        setBitmapBit(w.buf(), L::presentBitmap(m, g), slot);
                    if (r.scanAdd)
                        setBitmapBit(w.buf(), L::scanBitmap(m, g), slot);
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

// Calls visit(field, mode, group) for every value of the group table.
template <class Visit> void forEachGroupValue(Visit visit) {
    for (const GroupField& f : groupFields())
        for (int m = 0; m < kModeCount; ++m)
            for (int g = 1; g <= kGroupCount; ++g)
                visit(f, m, g);
}

// Every value of the option and group tables. Bytes shared by several switches are cleared
// first, so that their unused bits reach the radio as 0.
void encodeFields(SlotWriter& w, const MemoryImage& image) {
    for (const OptionInfo& o : allOptions())
        clearPackedByte(w.buf(), o.radio);
    forEachGroupValue(
        [&](const GroupField& f, int m, int g) { clearPackedByte(w.buf(), radioSlotOf(f, m, g)); });
    for (const OptionInfo& o : allOptions())
        w.put(o.radio, o.access(image).get(), {o.name});
    forEachGroupValue([&](const GroupField& f, int m, int g) {
        w.put(radioSlotOf(f, m, g), f.at(image, m, g), {f.name, m, g});
    });
    // The rest of the program reads any work mode but 0 as HF; the radio must not get another.
    if (w.check(image.workMode, 0, 1, {"WorkMode"}))
        w.raw(L::kHiddenSettingAndWorkMode,
              uchar(w.buf()[L::kHiddenSettingAndWorkMode] | image.workMode));
    w.raw(L::kZero, 0);
    for (int i = 0; i < L::kExtTablePoints; ++i)
        w.put(byteAt(L::kExtTable + i), image.extTable[std::size_t(i)], {"ExtTable"});
}

void encodeTexts(SlotWriter& w, const MemoryImage& image) {
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            const QByteArray name = encodeSingleByte(image.optFeat.groupName(m, g).clean())
                                        .leftJustified(L::kGroupNameSize, '\0', true);
            for (int i = 0; i < L::kGroupNameSize; ++i)
                w.raw(L::groupName(m, g) + i, uchar(name[i]));
        }
    }
    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        QString text = image.optFeat.dtmf(k).raw();
        while (text.endsWith(u' '))
            text.chop(1);
        for (int i = 0; i < kBlockLen; ++i)
            w.raw(L::dtmfCode(k) + i, i < text.size() ? uchar(dtmfDigitCode(text[i])) : kNoDigit);
    }
}

// Calls visit(address, value, name) for every byte of the roger-beep tones: per sequence the
// repeat count, the inter time, the 14 frequency codes, the 14 duration codes.
template <class Image, class Visit> void forEachToneByte(Image& image, Visit visit) {
    for (int t = 1; t <= kToneSeqCount; ++t) {
        auto& seq = image.rbTone.tone(t);
        const int at = L::rogerTone(t);
        visit(at, seq.repeatCount, "RepeatCount");
        visit(at + 1, seq.interTime, "InterTime");
        for (int s = 0; s < kToneStepCount; ++s) {
            visit(at + 2 + s, seq.steps[std::size_t(s)].freqCode, "FreqCode");
            visit(at + 2 + kToneStepCount + s, seq.steps[std::size_t(s)].durCode, "DurCode");
        }
    }
}

// ---- decoding ----

uchar at(const QByteArray& buf, int addr) {
    return uchar(buf[addr]);
}

void decodeChannels(const QByteArray& buf, MemoryImage& image, ChTable& table,
                    QList<ReadReplacement>& replaced) {
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            int count = 0;
            for (int c = 1; c <= kSlotCount; ++c) {
                if (L::slotSharedWithDtmf(m, g, c) || !bitmapBit(buf, L::presentBitmap(m, g), c))
                    continue;
                const int block = L::channelBlock(m, g, c);
                const auto rxFreq = blockRxFreq(buf, block);
                if (!rxFreq)
                    continue;
                ChannelRec& r = table.at({m, g, ++count});
                r = decodeChannelBlock(buf, block, *rxFreq, {"", m, g, c}, replaced);
                r.scanAdd = bitmapBit(buf, L::scanBitmap(m, g), c) ? 1 : 0;
            }
            image.chCount(m, g) = std::int16_t(count);
        }
    }
}

// Values outside the range their table documents are replaced (and noted): the next write
// must take what a read gave.
void decodeFields(const QByteArray& buf, MemoryImage& image, QList<ReadReplacement>& replaced) {
    for (const OptionInfo& o : allOptions()) {
        if (o.radio.coding == RadioCoding::None)
            continue;
        const long long read = getSlot(buf, o.radio);
        const int kept = nearestAllowedValue(o, int(read));
        o.access(image).set(kept);
        noteReplacement(replaced, {o.name}, read, kept);
    }
    forEachGroupValue([&](const GroupField& f, int m, int g) {
        const long long read = getSlot(buf, radioSlotOf(f, m, g));
        const bool none = read == 0 && f.radio.coding == RadioCoding::Reference;
        const bool allowed = none || (read >= f.minValue && read <= f.maxValue);
        f.at(image, m, g) = std::int16_t(allowed ? read : f.newValue);
        noteReplacement(replaced, {f.name, m, g}, read, f.at(image, m, g));
    });
    // Only 0 (CB) and 1 (HF) index the per-mode arrays; any other bank number means HF.
    image.workMode = (at(buf, L::kHiddenSettingAndWorkMode) % 16) == 0 ? 0 : 1;
    for (int i = 0; i < L::kExtTablePoints; ++i)
        image.extTable[std::size_t(i)] = at(buf, L::kExtTable + i);
}

void decodeTexts(const QByteArray& buf, MemoryImage& image) {
    for (int m = 0; m < kModeCount; ++m)
        for (int g = 1; g <= kGroupCount; ++g)
            image.optFeat.groupName(m, g).assignBytes(
                buf.mid(L::groupName(m, g), L::kGroupNameSize));
    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        QString text;
        for (int i = 0; i < kBlockLen && at(buf, L::dtmfCode(k) + i) <= 15; ++i)
            text += dtmfDigitChar(at(buf, L::dtmfCode(k) + i));
        image.optFeat.dtmf(k).assignTerminated(text);
    }
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
    QByteArray buf(kRadioBufSize, char(0xFF));
    buf.replace(L::kScanBitmapsCB, 0x80, QByteArray(0x80, '\0'));
    buf.replace(L::kPresentBitmapsCB, 0x80, QByteArray(0x80, '\0'));
    return buf;
}

std::optional<EncodeRefusal> encodeImage(const MemoryImage& image, const ChTable& table,
                                         QByteArray& radioBuf) {
    SlotWriter w(radioBuf.size() == kRadioBufSize ? radioBuf : prepareRadioBuf());
    encodeChannels(w, image, table);
    encodeFields(w, image);
    encodeTexts(w, image); // the DTMF codes come last: they overlay HF groups 9 and 10
    for (int i = L::kFiller; i < kRadioBufSize; ++i)
        w.raw(i, L::kFillerByte);
    forEachToneByte(image, [&w](int addr, std::int16_t value, const char* name) {
        w.put(byteAt(addr), value, {name});
    });
    if (w.refusal())
        return w.refusal();
    radioBuf = w.buf();
    return std::nullopt;
}

DecodeResult decodeImage(const QByteArray& radioBuf, MemoryImage& image, ChTable& table) {
    DecodeResult result;
    if (radioBuf.size() != kRadioBufSize)
        return result;
    decodeFields(radioBuf, image, result.replaced);
    decodeTexts(radioBuf, image);
    decodeChannels(radioBuf, image, table, result.replaced);
    forEachToneByte(image, [&radioBuf](int addr, std::int16_t& value, const char*) {
        value = at(radioBuf, addr);
    });
    result.ok = true;
    return result;
}

} // namespace r5k27
