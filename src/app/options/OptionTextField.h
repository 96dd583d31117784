#pragma once

#include <QLineEdit>

namespace r5k27 {

// A number field of the options window. Only what the field can hold gets in: digits, and "."
// where the field takes a decimal. Paste, cut and copy are refused in every way (keys, context
// menu, drag and drop, middle click) so no foreign text arrives; control keys such as Backspace
// pass. The whole text is selected when the field is entered, and leaving it or pressing Enter
// asks for the text to be stored.
class OptionTextField : public QLineEdit {
    Q_OBJECT
public:
    enum class Accepts { Decimal, Digits };

    explicit OptionTextField(Accepts accepts, QWidget* parent = nullptr);

    // The text was typed since the field last showed a stored value.
    bool isPending() const { return pending_; }
    // Shows a stored value's text; the field has nothing pending afterwards. When that is not
    // the number typed, the change is said in the main window's status bar.
    void showStored(const QString& text);
    // The tool tip naming the limits, and the note that says a typed value was changed to keep
    // them (%1 typed, %2 kept).
    void setLimits(const QString& toolTip, const QString& changedNote);

signals:
    void leaving();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool accepts(QChar c) const;

    Accepts accepts_;
    bool pending_ = false;
    QString changedNote_;
};

} // namespace r5k27
