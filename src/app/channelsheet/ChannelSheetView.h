#pragma once

#include <QTableView>

namespace r5k27 {

class ChannelSheetModel;

// The sheet as a spreadsheet is used: cells and rows selected with the mouse, Shift and Ctrl;
// arrows, Tab, Home/End and Page Up/Down move; Enter or F2 edits and Enter goes on to the row
// below; a digit starts a frequency entry and a letter picks a list entry. The commands on the
// selection are only asked for here; the window carries them out.
class ChannelSheetView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelSheetView(ChannelSheetModel& rows, QWidget* parent = nullptr);

    // Rows with a selected cell, in order; the current row alone when nothing is selected.
    QList<int> selectedRows() const;
    // Takes what an open editor holds, as leaving it would.
    void commitEntry();

signals:
    void clearRequested();
    void copyRequested();
    void cutRequested();
    void pasteRequested();
    void fillDownRequested();
    // A printable key on a list cell: the entry it begins is to be picked.
    void letterTyped(int row, int column, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void addCommands();

    ChannelSheetModel& rows_;
};

} // namespace r5k27
