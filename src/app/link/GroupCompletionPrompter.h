#pragma once

#include "common/Prompter.h"

#include <functional>

namespace r5k27 {

// The link's prompter: passes every box through, but a group write's completion box also names
// how many radios were written.
class GroupCompletionPrompter : public Prompter {
public:
    // radiosWrittenLine: the line added to completionText; empty outside a group write.
    GroupCompletionPrompter(Prompter& inner, QString completionText,
                            std::function<QString()> radiosWrittenLine);

    void setCompletionText(QString text) { completionText_ = std::move(text); }
    Answer ask(const QString& text, Buttons buttons, Icon icon) override;

private:
    Prompter& inner_;
    QString completionText_;
    std::function<QString()> radiosWrittenLine_;
};

} // namespace r5k27
