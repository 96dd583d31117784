#pragma once

#include "common/DocumentEvents.h"
#include "lang/Language.h"

namespace r5k27 {

// A value put into a step's name: the same text in both languages, or a text of each.
struct EditArg {
    QString english;
    QString chinese;
    EditArg() = default;
    EditArg(const QString& both)
        : english(both)
        , chinese(both) {}
    EditArg(const BiText& text)
        : english(text.in(kLangEnglish))
        , chinese(text.in(kLangChinese)) {}
};

// The name of an undo step from a pattern with %1 and %2 ("Frequency %1").
inline EditName editNameOf(const BiText& pattern, const EditArg& arg1 = {},
                           const EditArg& arg2 = {}) {
    auto format = [&](int lang, const QString& a1, const QString& a2) {
        const QString out = pattern.in(lang);
        if (out.contains(QStringLiteral("%2")))
            return out.arg(a1, a2);
        return out.contains(QStringLiteral("%1")) ? out.arg(a1) : out;
    };
    return {format(kLangEnglish, arg1.english, arg2.english),
            format(kLangChinese, arg1.chinese, arg2.chinese)};
}

} // namespace r5k27
