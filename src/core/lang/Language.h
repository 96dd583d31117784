#pragma once

#include <QString>
#include <array>
#include <initializer_list>
#include <optional>

namespace r5k27 {

// The languages every user-visible text is written in. A new language is one more enumerator
// here and one more column in the caption files; a text not yet translated shows in English.
enum class Language { English, Chinese };
inline constexpr std::size_t kLanguageCount = 2;
inline constexpr std::array<Language, kLanguageCount> kLanguages{Language::English,
                                                                 Language::Chinese};

constexpr std::size_t indexOf(Language language) {
    return static_cast<std::size_t>(language);
}

// The settings file stores a language as 1 (English), 2 (Chinese), ...
constexpr int settingOf(Language language) {
    return static_cast<int>(indexOf(language)) + 1;
}
inline std::optional<Language> languageFromSetting(int value) {
    if (value < 1 || value > static_cast<int>(kLanguageCount))
        return std::nullopt;
    return kLanguages[static_cast<std::size_t>(value - 1)];
}

// One user-visible text, written in the source in every language as UTF-8 literals in the order
// of `Language`: {"Close", "关闭"}.
struct LocalText {
    std::array<const char*, kLanguageCount> texts{};

    QString in(Language language) const {
        const char* text = texts[indexOf(language)];
        return QString::fromUtf8(text ? text : texts[indexOf(Language::English)]);
    }
};

// A text made at run time (a caption with its values filled in), in every language.
struct LocalString {
    std::array<QString, kLanguageCount> texts;

    LocalString() = default;
    // The same text in every language: a number, a channel name.
    LocalString(const QString& same) { texts.fill(same); }
    // A text of each language in the order of `Language`; a language not given reads English.
    LocalString(std::initializer_list<QString> each) {
        for (std::size_t i = 0; i < kLanguageCount; ++i)
            texts[i] = i < each.size() ? each.begin()[i] : *each.begin();
    }
    LocalString(const LocalText& text) {
        for (const Language language : kLanguages)
            texts[indexOf(language)] = text.in(language);
    }

    const QString& in(Language language) const { return texts[indexOf(language)]; }
    QString& in(Language language) { return texts[indexOf(language)]; }
    bool operator==(const LocalString&) const = default;
};

// `pattern` with %1 and %2 filled in, language by language ("Frequency %1").
inline LocalString formatted(const LocalText& pattern, const LocalString& arg1 = {},
                             const LocalString& arg2 = {}) {
    LocalString out;
    for (const Language lang : kLanguages) {
        const QString text = pattern.in(lang);
        if (text.contains(QStringLiteral("%2")))
            out.in(lang) = text.arg(arg1.in(lang), arg2.in(lang));
        else
            out.in(lang) = text.contains(QStringLiteral("%1")) ? text.arg(arg1.in(lang)) : text;
    }
    return out;
}

} // namespace r5k27
