#include "ToneCodec.h"

#include <array>

namespace r5k27 {
namespace {

constexpr std::array<int, kCtcssCount> kCtcss = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

constexpr std::array<int, kDcsCount> kDcs = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

QString tenthsText(int tenths) {
    return QString::number(tenths / 10.0, 'f', 1);
}
QString padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QChar(u'0'));
}

} // namespace

int ctcssTenthsHz(int n) {
    return n >= 1 && n <= kCtcssCount ? kCtcss[std::size_t(n - 1)] : 0;
}
int dcsOctalDigits(int n) {
    return n >= 1 && n <= kDcsCount ? kDcs[std::size_t(n - 1)] : 0;
}

namespace {

QStringList makeShortToneList(Language lang) {
    QStringList list{kToneOffText.in(lang)};
    for (int tenths : kCtcss)
        list << tenthsText(tenths);
    for (int code : kDcs)
        list << u'D' + padded(code, 3) + u'N';
    return list;
}

QStringList makeLongToneList(Language lang) {
    QStringList list{kToneOffText.in(lang)};
    for (int n = 1; n <= kCtcssCount; ++n)
        list << QStringLiteral("C_%1(%2Hz)").arg(padded(n, 3), tenthsText(ctcssTenthsHz(n)));
    for (int n = 1; n <= kDcsCount; ++n)
        list << QStringLiteral("D_%1(%2N)").arg(padded(n, 3), padded(dcsOctalDigits(n), 3));
    return list;
}

// Made once per language: every channel shown asks for them, and one shared copy lets a list
// that already holds them see so without comparing 143 texts.
template <QStringList (*make)(Language)> const QStringList& madeOnce(Language lang) {
    static const auto lists = [] {
        std::array<QStringList, kLanguageCount> all;
        for (const Language l : kLanguages)
            all[indexOf(l)] = make(l);
        return all;
    }();
    return lists[indexOf(lang)];
}

} // namespace

QStringList shortToneList(Language lang) {
    return madeOnce<makeShortToneList>(lang);
}

QStringList longToneList(Language lang) {
    return madeOnce<makeLongToneList>(lang);
}

} // namespace r5k27
