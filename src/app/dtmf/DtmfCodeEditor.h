#pragma once

#include <QLineEdit>

namespace r5k27 {

// Text3: the in-place editor of a DTMF code. Only characters the radio can dial get in, by
// keyboard or by paste; Enter moves on to the next control as Tab would.
class DtmfCodeEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit DtmfCodeEditor(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace r5k27
