#pragma once

#include <QString>

namespace r5k27 {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Warning, Question, Error };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// Every message box of the program goes through this, so logic can run with scripted answers
// (tests, command-line tool) and the texts can be checked exactly.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer ask(const QString& text, Buttons buttons, Icon icon) = 0;

    void inform(const QString& text) { ask(text, Buttons::Ok, Icon::Information); }
    void warn(const QString& text) { ask(text, Buttons::Ok, Icon::Warning); }
    void error(const QString& text) { ask(text, Buttons::Ok, Icon::Error); }
};

} // namespace r5k27
