#pragma once

#include "core/lang/Language.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace r5k27 {

struct AppContext;
struct ChannelKey;
struct DocumentChange;
struct PasteRefusal;
class ChannelSheetModel;
class ChannelSheetView;
class DocumentModel;
class Prompter;

// The channel list: every channel slot of the work mode in one sheet, a column per field,
// edited in place and many rows at a time. Every change is one document-model call, so the
// channel window and undo follow at once; the sheet redraws from the document's events.
class ChannelSheetWindow : public QWidget {
    Q_OBJECT
public:
    ChannelSheetWindow(AppContext& ctx, Prompter& prompter, QWidget* parent = nullptr);
    ~ChannelSheetWindow() override;

    ChannelSheetView& sheet() const { return *view_; }
    ChannelSheetModel& rows() const { return *rows_; }
    // Takes the entry being typed, if any.
    void commitPendingEdit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString lang(const LocalText& text) const { return text.in(lang_); }
    QWidget* buildTopRow();
    QWidget* buildBottomRow();
    void showFilter();
    void showRows();
    void follow(const DocumentChange& change);
    void reveal(const DocumentChange& change);

    // The rows a change at row goes to: the selection when row is in it, else row alone.
    QList<int> rowsFor(int row) const;
    QList<ChannelKey> keysOf(const QList<int>& rows, bool usedOnly) const;
    QString cellText(int row, int column) const;

    void takeEdit(int row, int column, const QVariant& value);
    void commitFrequency(int row, const QString& text);
    void applyValue(const QList<int>& rows, int column, int value);
    void pickByLetter(int row, int column, const QString& text);
    void clearSelected(const LocalText& manyName);
    void copySelected();
    void cutSelected();
    void paste();
    void pasteIntoColumn(const QStringList& cells, int start, int column);
    void reportNotPasted(const QList<PasteRefusal>& refused);
    void fillDown();
    void chooseWorkMode(int mode);
    void showWorkMode();

    AppContext& ctx_;
    DocumentModel& model_;
    Prompter& prompter_;
    Language lang_;

    ChannelSheetModel* rows_ = nullptr;
    ChannelSheetView* view_ = nullptr;
    QComboBox* workMode_ = nullptr;
    QComboBox* filter_ = nullptr;
    QCheckBox* usedOnly_ = nullptr;
    QDoubleSpinBox* step_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace r5k27
