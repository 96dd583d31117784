#pragma once

#include "common/FrequencyEditor.h"

#include <QPointer>
#include <QTableView>
#include <functional>

namespace r5k27 {

class ChannelGridModel;

// The channel grid: channel names in column 0, frequencies in column 1, edited in place. Rows
// are counted from 1 as the grid's data rows. The entry is the view's own editor, so it stays
// on its cell when the grid scrolls or the window is resized.
class ChannelGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kFrequencyColumn = 1;
    // Takes a typed frequency for a row; false when it was refused (the entry stays open so it
    // can be corrected).
    using CommitHandler = std::function<bool(int row, const QString& text)>;

    ChannelGrid(ChannelGridModel& model, QWidget* parent = nullptr);

    void setCommitHandler(CommitHandler handler) { commit_ = std::move(handler); }
    int rowCount() const;
    QString name(int row) const;
    QString frequency(int row) const;
    int currentGridRow() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 0; }
    void setCurrentGridRow(int row);
    void setCurrentCell(int row, int column);

    // Opens the entry on the current row with firstText, or with the cell's text selected.
    void startEntry(const QString& firstText = {});
    FrequencyEditor* entry() const { return entry_; }
    // Hands the entry being typed to the commit handler; false when it was refused.
    bool commitEntry();

signals:
    // An entry was opened on the row (the row last entered in its group).
    void entryStarted(int row);
    void clearRequested();
    void currentRowChanged(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class FrequencyDelegate;
    void entryCreated(FrequencyEditor* entry);
    void nextLine();

    ChannelGridModel& model_;
    CommitHandler commit_;
    QPointer<FrequencyEditor> entry_;
    int entryRow_ = 0;
    bool committing_ = false;
};

} // namespace r5k27
