#pragma once

#include <QLineEdit>

namespace r5k27 {

// What a frequency entry takes: digits and ".".
bool isFrequencyChar(QChar c);

// The entry laid over a frequency cell while it is edited. Only digits and "." get in:
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

} // namespace r5k27
