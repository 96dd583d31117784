#pragma once

#include <QString>

namespace r5k27 {

// The language index of every text: 1 = English, 2 = Chinese.
constexpr int kLangEnglish = 1;
constexpr int kLangChinese = 2;

inline bool isValidLangIndex(int lang) {
    return lang == kLangEnglish || lang == kLangChinese;
}

// One user-visible text in both languages. Literals are UTF-8.
struct BiText {
    const char* en;
    const char* zh;

    QString in(int lang) const { return QString::fromUtf8(lang == kLangChinese ? zh : en); }
};

} // namespace r5k27
