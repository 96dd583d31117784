#include "MainWindow.h"

#include "Caption.h"
#include "startup/AppContext.h"

#include <QMdiArea>

namespace r5k27 {

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent)
    , ctx_(ctx)
    , mdiArea_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setCentralWidget(mdiArea_);
    resize(967, 700);
    refreshCaption();
}

void MainWindow::refreshCaption()
{
    setWindowTitle(mainWindowCaption(ctx_.settings, ctx_.doc.docPath));
}

} // namespace r5k27
