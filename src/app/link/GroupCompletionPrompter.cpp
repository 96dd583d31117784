#include "GroupCompletionPrompter.h"

namespace r5k27 {

GroupCompletionPrompter::GroupCompletionPrompter(Prompter& inner, QString completionText,
                                                 std::function<QString()> radiosWrittenLine)
    : inner_(inner)
    , completionText_(std::move(completionText))
    , radiosWrittenLine_(std::move(radiosWrittenLine)) {}

Answer GroupCompletionPrompter::ask(const QString& text, Buttons buttons, Icon icon) {
    if (text == completionText_) {
        if (const QString line = radiosWrittenLine_(); !line.isEmpty())
            return inner_.ask(text + QStringLiteral("\r\n") + line, buttons, icon);
    }
    return inner_.ask(text, buttons, icon);
}

} // namespace r5k27
