#pragma once

#include <QString>

namespace r5k27 {

// The text without its keyboard marker: "&Open" -> "Open", "打开(&O)" -> "打开", "&&" -> "&".
QString withoutAccelerator(const QString& caption);
// A menu caption followed by what it acts on, the keyboard marker kept in place:
// ("&Undo", "Frequency A12") -> "&Undo Frequency A12", ("撤销(&U)", "频率 A12") -> "撤销 频率
// A12(&U)". An "&" in the detail stays a plain character.
QString captionWithDetail(const QString& caption, const QString& detail);

} // namespace r5k27
