#include "ChannelGrid.h"

#include "ChannelGridModel.h"
#include "common/TextFrequencyCell.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>

namespace r5k27 {

// Makes the grid's entry and leaves committing to the grid, which may refuse and keep the
// entry open; the view's own key and focus handling of editors is not used.
class FrequencyDelegate : public QStyledItemDelegate {
public:
    explicit FrequencyDelegate(ChannelGrid& grid)
        : QStyledItemDelegate(&grid)
        , grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* entry = new FrequencyEditor(parent);
        grid_.entryCreated(entry);
        return entry;
    }
    // Fills a new entry once; the view also calls this whenever the document changes while
    // the entry is open, which must not take what is being typed.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* entry = static_cast<FrequencyEditor*>(editor);
        if (entry->property(kFilled).toBool())
            return;
        entry->setProperty(kFilled, true);
        entry->setText(index.data(Qt::EditRole).toString());
        entry->selectAll();
    }
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    bool eventFilter(QObject*, QEvent*) override { return false; }

private:
    static constexpr const char* kFilled = "r5k27Filled";
    ChannelGrid& grid_;
};

ChannelGrid::ChannelGrid(ChannelGridModel& model, QWidget* parent)
    : QTableView(parent)
    , model_(model) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setModel(&model);
    setItemDelegateForColumn(kFrequencyColumn, new FrequencyDelegate(*this));
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // The channel column only names the rows; the cursor stays in the frequency column.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex& before) {
                if (now.isValid() && now.column() == 0) {
                    setCurrentCell(now.row(), kFrequencyColumn);
                    return;
                }
                if (now.row() != before.row() || !before.isValid())
                    emit currentRowChanged(now.isValid() ? now.row() + 1 : 0);
            });
    showStatusTipOfCurrentCell(this);
}

int ChannelGrid::rowCount() const {
    return model_.rowCount();
}

QString ChannelGrid::name(int row) const {
    return model_.index(row - 1, 0).data().toString();
}

QString ChannelGrid::frequency(int row) const {
    return model_.index(row - 1, kFrequencyColumn).data().toString();
}

void ChannelGrid::setCurrentGridRow(int row) {
    if (row >= 1 && row <= rowCount())
        setCurrentCell(row - 1, kFrequencyColumn);
}

void ChannelGrid::setCurrentCell(int row, int column) {
    setCurrentIndex(model_.index(row, column));
}

void ChannelGrid::startEntry(const QString& firstText) {
    const QModelIndex index = model_.index(currentIndex().row(), kFrequencyColumn);
    if (!index.isValid())
        return;
    edit(index);
    // A key typed on the cell starts the entry with that key.
    if (entry_ && !firstText.isEmpty()) {
        entry_->setText(firstText);
        entry_->end(false);
    }
}

void ChannelGrid::entryCreated(FrequencyEditor* entry) {
    entry_ = entry;
    entryRow_ = currentGridRow();
    connect(entry, &FrequencyEditor::enterPressed, this, [this] {
        if (commitEntry())
            nextLine();
    });
    connect(entry, &FrequencyEditor::escapePressed, this, [this] {
        if (entry_)
            closeEditor(entry_, QAbstractItemDelegate::RevertModelCache);
        setFocus(Qt::OtherFocusReason);
    });
    connect(entry, &FrequencyEditor::focusLost, this, [this] {
        if (!committing_)
            commitEntry();
    });
    emit entryStarted(entryRow_);
}

bool ChannelGrid::commitEntry() {
    if (!entry_ || committing_)
        return true;
    committing_ = true;
    const bool taken = !commit_ || commit_(entryRow_, entry_->text());
    committing_ = false;
    if (!entry_)
        return taken;
    if (taken) {
        const bool hadFocus = entry_->hasFocus();
        closeEditor(entry_, QAbstractItemDelegate::NoHint);
        if (hadFocus)
            setFocus(Qt::OtherFocusReason);
    } else {
        // The message took the focus; the typed text waits to be corrected.
        QTimer::singleShot(0, entry_.data(), [entry = entry_] {
            if (entry)
                entry->setFocus(Qt::OtherFocusReason);
        });
    }
    return taken;
}

void ChannelGrid::nextLine() {
    const int row = currentGridRow();
    setCurrentGridRow(row >= rowCount() ? 1 : row + 1);
    setFocus(Qt::OtherFocusReason);
}

void ChannelGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // The editor is deleted later; from now on no entry is open, and the closed one no longer
    // answers to the entry's name.
    if (editor == entry_)
        entry_ = nullptr;
    editor->setObjectName(QString());
    QTableView::closeEditor(editor, hint);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if (currentIndex().isValid() && !entry_) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            startEntry();
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            emit clearRequested();
            return;
        }
        const QString text = event->text();
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            text.size() == 1 && isFrequencyChar(text.at(0))) {
            startEntry(text);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

} // namespace r5k27
