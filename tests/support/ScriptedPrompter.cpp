#include "ScriptedPrompter.h"

namespace r5k27::test {

Answer ScriptedPrompter::ask(const QString& text, Buttons buttons, Icon icon) {
    shown.append({text, buttons, icon});
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Retry;
    default:
        return Answer::Ok;
    }
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

} // namespace r5k27::test
