#include "ChannelSheetView.h"

#include "ChannelSheetDelegate.h"
#include "ChannelSheetModel.h"
#include "common/TextFrequencyCell.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <set>

namespace r5k27 {
namespace {

bool startsFrequency(const QString& text) {
    return text.size() == 1 && (text.at(0).isDigit() || text.at(0) == u'.');
}

} // namespace

ChannelSheetView::ChannelSheetView(ChannelSheetModel& rows, QWidget* parent)
    : QTableView(parent)
    , rows_(rows) {
    setObjectName(QStringLiteral("ChannelSheet"));
    setModel(&rows);
    showStatusTipOfCurrentCell(this);
    setItemDelegate(new ChannelSheetDelegate(rows, this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(false);
    // Widths from the font, not from the contents: measuring every row would cost the opening.
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < rows.columnCount(); ++column) {
        const int caption = fontMetrics().horizontalAdvance(rows.columnCaption(column));
        const auto field = rows.fieldOf(column);
        const bool tone = field && channelFieldInfo(*field).choice == ChannelChoice::LongTone;
        const int content = tone ? 13 : field == ChannelField::RxFreq ? 9 : 5;
        setColumnWidth(column, std::max(caption, digit * content) + 16);
    }
    addCommands();
}

// The commands on the selection are actions of the sheet, so their keys are known in one place
// and an open entry keeps its own (they apply only while the sheet itself has the focus).
// Delete is the Delete key and Backspace, not the platform's whole Delete binding: on X11 that
// holds Ctrl+D, which is Fill Down here.
void ChannelSheetView::addCommands() {
    struct Command {
        const char* name;
        QList<QKeySequence> keys;
        void (ChannelSheetView::*signal)();
    };
    const Command commands[] = {
        {"SheetClear",
         {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)},
         &ChannelSheetView::clearRequested},
        {"SheetCopy", QKeySequence::keyBindings(QKeySequence::Copy),
         &ChannelSheetView::copyRequested},
        {"SheetCut", QKeySequence::keyBindings(QKeySequence::Cut), &ChannelSheetView::cutRequested},
        {"SheetPaste", QKeySequence::keyBindings(QKeySequence::Paste),
         &ChannelSheetView::pasteRequested},
        {"SheetFillDown",
         {QKeySequence(Qt::CTRL | Qt::Key_D)},
         &ChannelSheetView::fillDownRequested},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcuts(command.keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, command.signal);
        addAction(action);
    }
}

QList<int> ChannelSheetView::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && currentIndex().isValid())
        rows.insert(currentIndex().row());
    return {rows.begin(), rows.end()};
}

void ChannelSheetView::commitEntry() {
    if (QWidget* editor = indexWidget(currentIndex()); editor && state() == EditingState) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelSheetView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (state() != EditingState) {
        const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const QString text = event->text();
        if (current.isValid() && plain &&
            (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            edit(current);
            event->accept();
            return;
        }
        if (current.isValid() && plain && !text.isEmpty() && text.at(0).isPrint() &&
            !text.at(0).isSpace()) {
            if (current.column() == ChannelSheetModel::kFrequencyColumn && startsFrequency(text)) {
                // The entry opens with the key typed in place of the old text.
                edit(current, AnyKeyPressed, event);
            } else if (rows_.fieldOf(current.column())) {
                emit letterTyped(current.row(), current.column(), text);
            }
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void ChannelSheetView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    // Enter takes the entry and goes on to the row below, as in a spreadsheet.
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        const QModelIndex below = currentIndex().siblingAtRow(currentIndex().row() + 1);
        if (below.isValid())
            setCurrentIndex(below);
    }
}

} // namespace r5k27
