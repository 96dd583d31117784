#include "FrequencyEditor.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace r5k27 {

bool isFrequencyChar(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

namespace {

bool isPasteOrCopy(const QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
           event->matches(QKeySequence::Cut);
}

} // namespace

FrequencyEditor::FrequencyEditor(QWidget* parent)
    : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setObjectName(QStringLiteral("Text1"));
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    // Whatever slips past the key filter still cannot hold anything else.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
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

} // namespace r5k27
