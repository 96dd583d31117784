#include "ChannelGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace r5k27 {
namespace {

bool isFrequencyChar(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

bool isPasteOrCopy(const QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
           event->matches(QKeySequence::Cut);
}

} // namespace

FrequencyEditor::FrequencyEditor(QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(QStringLiteral("Text1"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    // Whatever slips past the key filter still cannot hold anything else.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
    hide();
}

void FrequencyEditor::keyPressEvent(QKeyEvent* event) {
    if (isPasteOrCopy(event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit escapePressed();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (printable && !(text.size() == 1 && isFrequencyChar(text.at(0)))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FrequencyEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

void FrequencyEditor::mousePressEvent(QMouseEvent* event) {
    // The middle button pastes the selection on X11.
    if (event->button() == Qt::MiddleButton || event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void FrequencyEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton || event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FrequencyEditor::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

ChannelGrid::ChannelGrid(QWidget* parent)
    : QTableWidget(parent) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setColumnCount(2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column == 0)
            setCurrentCell(row, kFrequencyColumn);
    });
}

void ChannelGrid::setRows(const QStringList& names) {
    clearContents();
    setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        auto* name = new QTableWidgetItem(names.at(row));
        name->setTextAlignment(Qt::AlignCenter);
        name->setFlags(Qt::ItemIsEnabled);
        setItem(row, 0, name);
        auto* freq = new QTableWidgetItem;
        freq->setTextAlignment(Qt::AlignCenter);
        freq->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, kFrequencyColumn, freq);
    }
}

void ChannelGrid::setFrequency(int row, const QString& text) {
    if (QTableWidgetItem* cell = item(row - 1, kFrequencyColumn))
        cell->setText(text);
}

QString ChannelGrid::frequency(int row) const {
    const QTableWidgetItem* cell = item(row - 1, kFrequencyColumn);
    return cell ? cell->text() : QString();
}

void ChannelGrid::setCurrentGridRow(int row) {
    if (row >= 1 && row <= rowCount())
        setCurrentCell(row - 1, kFrequencyColumn);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if (currentRow() >= 0) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            emit editRequested(QString());
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            emit clearRequested();
            return;
        }
        const QString text = event->text();
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            text.size() == 1 && isFrequencyChar(text.at(0))) {
            emit editRequested(text);
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace r5k27
