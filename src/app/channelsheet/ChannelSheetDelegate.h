#pragma once

#include <QStyledItemDelegate>

namespace r5k27 {

class ChannelSheetModel;

// The editor of a cell: the channel window's frequency entry, or a list with the detail
// panel's entries for the channel. A choice in an open list is taken at once.
class ChannelSheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChannelSheetDelegate(const ChannelSheetModel& rows, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const ChannelSheetModel& rows_;
};

} // namespace r5k27
