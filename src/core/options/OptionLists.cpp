#include "OptionLists.h"

#include "core/channels/ModeCodec.h"
#include "core/image/MemoryImage.h"
#include "core/lang/Language.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

namespace r5k27 {
namespace {

constexpr LocalText kOffWord{"Off", "关"};
constexpr LocalText kOff{"OFF", "关"};
constexpr LocalText kOn{"ON", "开"};

QStringList texts(std::initializer_list<LocalText> entries, Language lang) {
    QStringList list;
    for (const LocalText& entry : entries)
        list << entry.in(lang);
    return list;
}

QStringList numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

QStringList latin(std::initializer_list<const char*> entries) {
    QStringList list;
    for (const char* entry : entries)
        list << QString::fromLatin1(entry);
    return list;
}

QStringList totList(Language lang) {
    QStringList list{kOffWord.in(lang)};
    for (int seconds = 30; seconds <= 600; seconds += 30)
        list << QString::number(seconds) + u's';
    return list;
}

// Off, then the numbers of the DTMF codes that are set.
QStringList dtmfReferenceList(const MemoryImage& image, Language lang) {
    QStringList refs{kOff.in(lang)};
    for (int n = 1; n <= kDtmfCodeCount; ++n) {
        if (!dtmfCodeText(image, n).isEmpty())
            refs << QString::number(n);
    }
    return refs;
}

// Off, then the numbers of the roger-beep tones that sound.
QStringList rogerReferenceList(const MemoryImage& image, Language lang) {
    QStringList refs{kOff.in(lang)};
    for (int t = 1; t <= kToneSeqCount; ++t) {
        if (validRogerTone(image, t) != 0)
            refs << QString::number(t);
    }
    return refs;
}

} // namespace

QStringList optionList(OptionList list, const MemoryImage& image, Language lang) {
    switch (list) {
    case OptionList::None:
        return {};
    case OptionList::OffOn:
    case OptionList::NbAnlOffOn:
        return texts({kOff, kOn}, lang);
    case OptionList::Indic:
        return texts({{"Tx Frequency Display", "发射频率显示"},
                      {"SWR LCD Display", "SWR驻波LCD显示"},
                      {"TOT Remain Time Display", "TOT剩余时间显示"},
                      {"Battery Voltage Display", "电池电压显示"}},
                     lang);
    case OptionList::ScanMode:
        return texts({{"Squelch Scan", "静噪扫描"}, {"Time Scan", "时间扫描"}}, lang);
    case OptionList::FinTone:
        return QStringList{kOffWord.in(lang)} + latin({"R", "T", "RT"});
    case OptionList::Color:
        return texts({{"White", "白"},
                      {"Blue", "蓝"},
                      {"Green", "绿"},
                      {"Red", "红"},
                      {"Yellow", "黄"},
                      {"Purple", "紫"},
                      {"Cyan", "青"}},
                     lang);
    case OptionList::NoiseGateLevels:
        return QStringList{kOffWord.in(lang)} + numbers(1, 32);
    case OptionList::Tot:
        return totList(lang);
    case OptionList::Mic:
        return numbers(1, 36);
    case OptionList::OneToNine:
        return numbers(1, 9);
    case OptionList::FreqCh:
        return texts({{"Channel", "信道"}, {"Frequency", "频率"}}, lang);
    case OptionList::WorkMode:
        return latin({"CB", "HF"});
    case OptionList::ChannelMode:
        return latin({"CH", "MEM"});
    case OptionList::PubMode:
        return fillModeList(image.optFeat.modeEnable, false);
    case OptionList::DtmfRef:
        return dtmfReferenceList(image, lang);
    case OptionList::RogerRef:
        return rogerReferenceList(image, lang);
    }
    return {};
}

} // namespace r5k27
