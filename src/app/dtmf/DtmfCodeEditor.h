#pragma once

#include <QLineEdit>

namespace r5k27 {

// The in-place editor of a DTMF code. Only characters the radio can dial get in, by
// keyboard or by paste; Enter, Escape and leaving are left to the grid (store and move on,
// drop the entry, store).
class DtmfCodeEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit DtmfCodeEditor(QWidget* parent = nullptr);

signals:
    void enterPressed();
    void escapePressed();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace r5k27
