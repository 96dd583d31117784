#pragma once

#include "core/common/Prompter.h"

#include <QList>
#include <QString>

namespace r5k27::test {

// Answers message boxes from a script and records every text shown.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        Buttons buttons;
        Icon icon;
    };

    QList<Answer> answers; // consumed front first; when empty, the default button answers
    QList<Shown> shown;

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;
    QStringList texts() const;
};

} // namespace r5k27::test
