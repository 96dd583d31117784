#pragma once

#include "common/CaptionTables.h"
#include "core/lang/Language.h"

#include <optional>

class QWidget;

namespace r5k27 {

// How many radios a group write is to program; nothing when the user cancels.
class GroupSizeQuestion {
public:
    static constexpr int kMinRadios = 1;
    static constexpr int kMaxRadios = 999;

    virtual ~GroupSizeQuestion() = default;
    virtual std::optional<int> ask(int preset) = 0;
};

// The question as a small number dialog in the current language.
class GroupSizeDialog : public GroupSizeQuestion {
public:
    GroupSizeDialog(const CaptionTables& captions, const Language& language, QWidget* parent);
    std::optional<int> ask(int preset) override;

private:
    const CaptionTables& captions_;
    const Language& lang_;
    QWidget* parent_;
};

} // namespace r5k27
