#pragma once

#include <QLineEdit>
#include <QTableWidget>

namespace r5k27 {

// Text1: the box laid over a frequency cell while it is edited. Only digits and "." get in:
// typing, pasting (keys, middle button, drag and drop) and input methods cannot bring anything
// else, and it has no context menu.
class FrequencyEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit FrequencyEditor(QWidget* parent = nullptr);

signals:
    void enterPressed();
    void escapePressed();
    // Focus went elsewhere (another control, another window, a menu).
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// MSFlexGrid1: channel names in column 0, frequencies in column 1; rows and columns are counted
// from 1 as the data cells of the grid (the header is row 0).
class ChannelGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kFrequencyColumn = 1;

    explicit ChannelGrid(QWidget* parent = nullptr);

    // Rows with the given channel names and empty frequencies.
    void setRows(const QStringList& names);
    void setFrequency(int row, const QString& text);
    QString frequency(int row) const;
    int currentGridRow() const { return currentRow() + 1; }
    void setCurrentGridRow(int row);

signals:
    // Enter, or a digit or "." typed on a cell (the text to start the entry with).
    void editRequested(const QString& firstText);
    void clearRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace r5k27
