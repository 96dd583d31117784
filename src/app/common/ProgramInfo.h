#pragma once

#include "core/lang/Language.h"

#include <QString>
#include <QStringList>

namespace r5k27 {

// The program's title: the application name, the About title and the key of the per-user store.
inline const QString kProgramTitle = QStringLiteral("R5K27 Programmer");

// The title of message boxes and the About window in the user's language; kProgramTitle stays
// the name the system knows the program by.
inline QString programTitle(Language lang) {
    static constexpr LocalText title{"R5K27 Programmer", "R5K27 写频软件"};
    return title.in(lang);
}

// "Version 2.0.0" / "版本 2.0.0": the label followed by major.minor.revision of the version.
inline QString versionText(Language lang, const QString& programVersion) {
    static constexpr LocalText label{"Version ", "版本 "};
    const QStringList parts = programVersion.split(u'.');
    QStringList numbers;
    for (int i = 0; i < 3; ++i)
        numbers << (i < parts.size() ? parts[i] : QStringLiteral("0"));
    return label.in(lang) + numbers.join(u'.');
}

// The line under the model name on the splash.
inline QString splashTitle(Language lang) {
    static constexpr LocalText title{"Programming Software", "写频软件"};
    return title.in(lang);
}

} // namespace r5k27
