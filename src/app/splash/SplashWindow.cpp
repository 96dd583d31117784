#include "SplashWindow.h"

#include "common/ProgramArt.h"
#include "common/ProgramInfo.h"
#include "startup/AppContext.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace r5k27 {

QPixmap splashPicture(const AppContext& ctx) {
    const Language lang = ctx.settings.language;
    const QString file = ctx.paths.inProgramFolder(
        lang == Language::Chinese ? QStringLiteral("StartC.jpg") : QStringLiteral("StartE.jpg"));
    if (QFileInfo(file).isFile()) {
        const QPixmap picture(file);
        if (!picture.isNull())
            return picture;
    }
    return QPixmap::fromImage(paintSplash({ctx.settings.modelName, splashTitle(lang),
                                           versionText(lang, QStringLiteral(R5K27_VERSION))}));
}

SplashWindow::SplashWindow(const AppContext& ctx, std::function<void()> openMainWindow, int showMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , picLogo_(new QLabel(this))
    , openMainWindow_(std::move(openMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    picLogo_->setObjectName(QStringLiteral("picLogo"));
    picLogo_->setPixmap(splashPicture(ctx));
    // Clicks on the picture reach the window.
    picLogo_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picLogo_);
    setFixedSize(picLogo_->pixmap().deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setSingleShot(true);
    timer_.setInterval(showMs);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::finish);
    timer_.start();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    finish();
}

void SplashWindow::finish() {
    if (finished_)
        return;
    finished_ = true;
    timer_.stop();
    // The main window comes first so the program never runs without a visible window.
    if (openMainWindow_)
        openMainWindow_();
    close();
}

} // namespace r5k27
