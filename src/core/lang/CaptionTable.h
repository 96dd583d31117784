#pragma once

#include "Language.h"

#include <QString>
#include <array>

namespace r5k27 {

// One text by language index: element 0 stays empty, 1 is English, 2 Chinese. An index that is
// not a language reads the empty element, so a bad index shows nothing rather than garbage.
class CaptionTable {
public:
    CaptionTable() = default;
    explicit CaptionTable(const BiText& text);

    const QString& text(int lang) const;
    const QString& operator[](int lang) const { return text(lang); }

private:
    std::array<QString, 3> items_;
};

// Texts that depend on an item (1 or 2) as well as the language; the language is the slower
// index: element = item + 3 * lang.
class CaptionGrid {
public:
    static constexpr int kItems = 2;

    CaptionGrid() = default;
    CaptionGrid(const BiText& item1, const BiText& item2);

    const QString& text(int item, int lang) const;

private:
    std::array<QString, 3 * (kLangChinese + 1)> items_;
};

// The text without its keyboard marker: "&Open" -> "Open", "打开(&O)" -> "打开", "&&" -> "&".
QString withoutAccelerator(const QString& caption);
// A menu caption followed by what it acts on, the keyboard marker kept in place:
// ("&Undo", "Frequency A12") -> "&Undo Frequency A12", ("撤销(&U)", "频率 A12") -> "撤销 频率
// A12(&U)". An "&" in the detail stays a plain character.
QString captionWithDetail(const QString& caption, const QString& detail);

} // namespace r5k27
