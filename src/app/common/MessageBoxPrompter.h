#pragma once

#include "core/common/Prompter.h"

class QWidget;

namespace r5k27 {

struct AppSettings;

// Message boxes with the platform's standard buttons; Chinese button texts in Chinese.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(const AppSettings& settings);

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;

private:
    const AppSettings& settings_;
};

} // namespace r5k27
