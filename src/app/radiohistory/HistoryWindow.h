#pragma once

#include "HistoryTableModel.h"
#include "core/lang/Language.h"
#include "history/HistoryDatabase.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableView;

namespace r5k27 {

class FileDialogs;
class Prompter;

// What the window's buttons do with the selected entry's radio image.
struct HistoryEntryActions {
    using Action = std::function<void(const QByteArray& image, const HistoryRow& row)>;
    Action open;
    Action compare;
    Action write;
};

// File › Radio History: every recorded radio operation, newest first, narrowed by date, kind,
// port, outcome and file name; the selected entry's image can become the document, be compared
// with it or go back to a radio, and the rows shown can be exported as CSV.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(HistoryDatabase& db, Language lang, FileDialogs& dialogs, Prompter& prompter,
                  HistoryEntryActions actions, QWidget* parent = nullptr);

    HistoryTableModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    // The filter the controls describe.
    HistoryFilter filter() const;
    // Writes the rows the filter lets through; false (with the reason shown) when it could not.
    bool exportTo(const QString& path);

private:
    void buildFilters(QWidget* bar);
    void applyFilter();
    void updateButtons();
    // The selected entry's image, or a message saying why there is none.
    void runOnSelected(const HistoryEntryActions::Action& action);
    void exportRows();

    HistoryDatabase& db_;
    Language lang_;
    FileDialogs& dialogs_;
    Prompter& prompter_;
    HistoryEntryActions actions_;
    HistoryTableModel* model_;
    QTableView* table_;
    QCheckBox* useFrom_;
    QDateEdit* from_;
    QCheckBox* useTo_;
    QDateEdit* to_;
    QComboBox* kind_;
    QLineEdit* port_;
    QComboBox* outcome_;
    QLineEdit* document_;
    QPushButton* open_;
    QPushButton* compare_;
    QPushButton* write_;
};

} // namespace r5k27
