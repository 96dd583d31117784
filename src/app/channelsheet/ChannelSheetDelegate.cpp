#include "ChannelSheetDelegate.h"

#include "ChannelSheetModel.h"
#include "common/FrequencyEditor.h"

#include <QComboBox>
#include <QTimer>

namespace r5k27 {
namespace {

// The view fills an open editor again whenever the document changes; what is being typed or
// chosen must stay.
constexpr const char* kFilled = "r5k27Filled";

} // namespace

ChannelSheetDelegate::ChannelSheetDelegate(const ChannelSheetModel& rows, QObject* parent)
    : QStyledItemDelegate(parent)
    , rows_(rows) {}

QWidget* ChannelSheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    if (index.column() == ChannelSheetModel::kFrequencyColumn)
        return new FrequencyEditor(parent);
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("SheetList"));
    auto* self = const_cast<ChannelSheetDelegate*>(this);
    connect(list, &QComboBox::activated, self, [self, list] {
        emit self->commitData(list);
        emit self->closeEditor(list, QAbstractItemDelegate::NoHint);
    });
    // Opened by a click or F2, the list shows its entries at once.
    QTimer::singleShot(0, list, [list] {
        if (list->isVisible())
            list->showPopup();
    });
    return list;
}

void ChannelSheetDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (editor->property(kFilled).toBool())
        return;
    editor->setProperty(kFilled, true);
    if (auto* entry = qobject_cast<FrequencyEditor*>(editor)) {
        entry->setText(index.data(Qt::EditRole).toString());
        entry->selectAll();
        return;
    }
    auto* list = static_cast<QComboBox*>(editor);
    const DetailChoices choices = rows_.choicesAt(index.row(), index.column());
    list->addItems(choices.entries);
    list->setCurrentIndex(choices.shown);
}

void ChannelSheetDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    if (auto* entry = qobject_cast<FrequencyEditor*>(editor)) {
        if (entry->text() != index.data(Qt::EditRole).toString())
            model->setData(index, entry->text(), Qt::EditRole);
        return;
    }
    const auto* list = static_cast<QComboBox*>(editor);
    if (const auto value = rows_.valueOfChoice(index.row(), index.column(), list->currentIndex()))
        model->setData(index, *value, Qt::EditRole);
}

} // namespace r5k27
