#pragma once

#include <QLineEdit>

namespace r5k27 {

// The in-place editor of a DTMF code. Only characters the radio can dial get in, by
// keyboard or by paste; Enter is left to the grid (it stores the code and moves to the next).
class DtmfCodeEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit DtmfCodeEditor(QWidget* parent = nullptr);

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace r5k27
