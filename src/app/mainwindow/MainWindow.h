#pragma once

#include <QMainWindow>

class QMdiArea;

namespace r5k27 {

struct AppContext;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);

    void refreshCaption();

private:
    AppContext& ctx_;
    QMdiArea* mdiArea_;
};

} // namespace r5k27
