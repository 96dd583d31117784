#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;

namespace r5k27 {

struct AppContext;

// The splash picture of the language, or the same content drawn here when it is missing.
QPixmap splashPicture(const AppContext& ctx);

// The splash window: shows its picture until a click or 2000 ms, whichever comes first, then closes
// and opens the main window, exactly once.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;

    SplashWindow(const AppContext& ctx, std::function<void()> openMainWindow, int showMs = kShowMs);

    bool isFinished() const { return finished_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void finish();

    QLabel* picLogo_;
    QTimer timer_;
    std::function<void()> openMainWindow_;
    bool finished_ = false;
};

} // namespace r5k27
