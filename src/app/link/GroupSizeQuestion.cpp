#include "GroupSizeQuestion.h"

#include "link/RadioTexts.h"
#include "common/TitleRoom.h"

#include <QInputDialog>

namespace r5k27 {

GroupSizeDialog::GroupSizeDialog(const CaptionTables& captions, const Language& language,
                                 QWidget* parent)
    : captions_(captions)
    , lang_(language)
    , parent_(parent) {}

std::optional<int> GroupSizeDialog::ask(int preset) {
    QInputDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("GroupSize"));
    dialog.setWindowTitle(withoutAccelerator(captions_.menuText(MenuItem::MWriteToRadio, lang_)));
    dialog.setLabelText(RadioTexts::groupSizeLabel.in(lang_));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(kMinRadios, kMaxRadios);
    dialog.setIntValue(std::clamp(preset, kMinRadios, kMaxRadios));
    dialog.setOkButtonText(withoutAccelerator(captions_.buttons.ok.in(lang_)));
    dialog.setCancelButtonText(withoutAccelerator(captions_.buttons.cancel.in(lang_)));
    keepTitleWhole(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.intValue();
}

} // namespace r5k27
