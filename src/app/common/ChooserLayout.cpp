#include "ChooserLayout.h"

#include "TitleRoom.h"
#include "common/CaptionTables.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace r5k27 {

void layOutChooser(QDialog& dialog, QLabel* label, QComboBox* list, const CaptionTables& captions,
                   Language lang) {
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(list);
    list->setObjectName(QStringLiteral("Combo1"));

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok =
        buttons->addButton(captions.buttons.ok.in(lang), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(captions.buttons.cancel.in(lang), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* grid = new QGridLayout(&dialog);
    grid->addWidget(label, 0, 0);
    grid->addWidget(list, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    keepTitleWhole(dialog);
}

} // namespace r5k27
