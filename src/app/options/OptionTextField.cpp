#include "OptionTextField.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QTimer>
#include <utility>

namespace r5k27 {

OptionTextField::OptionTextField(Accepts accepts, QWidget* parent)
    : QLineEdit(parent)
    , accepts_(accepts) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    // Input methods would commit text past the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textEdited, this, [this] { pending_ = true; });
    connect(this, &QLineEdit::returnPressed, this, &OptionTextField::leaving);
}

void OptionTextField::showStored(const QString& text) {
    const QString typed = this->text();
    const bool wasTyped = std::exchange(pending_, false);
    setText(text);
    if (!wasTyped || changedNote_.isEmpty() || typed.toDouble() == text.toDouble())
        return;
    // Travels up to the main window, which shows it in its status bar.
    QStatusTipEvent note(changedNote_.arg(typed.isEmpty() ? QStringLiteral("\"\"") : typed, text));
    QCoreApplication::sendEvent(this, &note);
}

void OptionTextField::setLimits(const QString& toolTip, const QString& changedNote) {
    setToolTip(toolTip);
    changedNote_ = changedNote;
}

bool OptionTextField::accepts(QChar c) const {
    return c.isDigit() || (accepts_ == Accepts::Decimal && c == u'.');
}

void OptionTextField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Copy)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) { // navigation and modifier keys
        QLineEdit::keyPressEvent(event);
        return;
    }
    for (const QChar c : text) {
        const bool control = c.unicode() < 32 || c.unicode() == 127;
        const bool allowed = c.unicode() <= 127 && (control || accepts(c));
        if (!allowed || (control && (c == u'\x03' || c == u'\x16' || c == u'\x18'))) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void OptionTextField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void OptionTextField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or a passing popup does not end the edit.
    if (event->reason() != Qt::PopupFocusReason)
        emit leaving();
}

void OptionTextField::mousePressEvent(QMouseEvent* event) {
    // Middle click pastes the selection on X11.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

} // namespace r5k27
