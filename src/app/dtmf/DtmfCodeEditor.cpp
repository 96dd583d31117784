#include "DtmfCodeEditor.h"

#include "core/options/DtmfSettings.h"

#include <QKeyEvent>
#include <QValidator>

namespace r5k27 {
namespace {

// Rewrites whatever reaches the editor (a key, a paste, a drop) into a code the radio can
// send, so the stored code never holds a character the radio cannot dial.
class DtmfCodeValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        const QString code = dtmfCodeFromTyped(input);
        if (code != input) {
            pos = int(std::min(dtmfCodeFromTyped(input.left(pos)).size(), code.size()));
            input = code;
        }
        return Acceptable;
    }
};

} // namespace

DtmfCodeEditor::DtmfCodeEditor(QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(QStringLiteral("Text3"));
    setMaxLength(16);
    setAlignment(Qt::AlignCenter);
    setValidator(new DtmfCodeValidator(this));
}

void DtmfCodeEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        event->accept();
        return;
    }
    // Ctrl+X, Ctrl+V and Ctrl+C do nothing here; a paste from the context menu is filtered.
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Copy)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DtmfCodeEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

} // namespace r5k27
