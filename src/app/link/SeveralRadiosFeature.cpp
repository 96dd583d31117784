#include "SeveralRadiosFeature.h"

#include "SeveralRadiosWindow.h"
#include "common/FeatureHost.h"
#include "common/HelpKey.h"
#include "core/link/MemoryMap.h"
#include "core/link/WriteVerify.h"
#include "help/HelpCaptions.h"
#include "link/RadioTexts.h"
#include "platform/ProfileFile.h"
#include "radio/LinkBackups.h"
#include "startup/AppContext.h"

#include <QAction>

namespace r5k27 {

namespace {
constexpr LocalText kMenuText{"Write to &Several Radios…", "写入多台对讲机(&S)…"};
constexpr LocalText kVerifyAfterWriting{"&Verify After Writing", "写入后校验(&V)"};
}

SeveralRadiosFeature::SeveralRadiosFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                                           PortWindow::PortLister listPorts, LinkBackups& backups,
                                           RadioJobListener* listener)
    : ctx_(ctx)
    , window_(window)
    , prompter_(prompter)
    , listPorts_(std::move(listPorts))
    , backups_(backups)
    , listener_(listener) {
    window.addMenuCommand(MenuItem::Program, "mnuWriteSeveralRadios", kMenuText, [this] {
        if (SeveralRadiosWindow* w = open()) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->open();
        }
    });
    // Triggering has already flipped the tick.
    verifyItem_ = window.addMenuCommand(
        MenuItem::Set, "mnuVerifyAfterWriting", kVerifyAfterWriting,
        [this] { setVerifyAfterWriting(verifyItem_->isChecked()); });
    verifyItem_->setCheckable(true);
    verifyItem_->setChecked(ctx.settings.verifyAfterWriting);
    window.addCloseGuard([this] { return mayExitNow(); });
}

bool SeveralRadiosFeature::mayExitNow() {
    if (!open_ || !open_->write().isRunning())
        return true;
    open_->write().stop();
    QObject::connect(open_, &QDialog::finished, window_.widget(), &QWidget::close,
                     Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    return false;
}

SeveralRadiosWindow* SeveralRadiosFeature::open() {
    window_.commitEditsInProgress();
    const Document& doc = ctx_.doc;
    QByteArray image = prepareRadioBuf();
    if (const auto refusal = encodeImage(doc.curImage, doc.chTable, image)) {
        prompter_.warn(refusal->message(ctx_.settings.language));
        return nullptr;
    }
    auto* w = new SeveralRadiosWindow(ctx_.settings, ctx_.versions, prompter_, doc, listPorts_(),
                                      window_.widget());
    open_ = w;
    addHelpKey(
        *w, [this, w] { window_.showHelp(QString::fromLatin1(HelpCaptions::kSeveralRadios), w); });
    // The document sent is kept once, as before a single or group write: every cable gets the
    // same, so a copy per radio would only push older sets out of the kept fifty.
    w->write().setBackups(&backups_);
    w->write().setListener(listener_);
    // A listener keeps what each radio held; with none there is nowhere to keep it.
    w->write().setReadFirst(listener_ && ctx_.settings.readBeforeGroupWriting);
    return w;
}

void SeveralRadiosFeature::setVerifyAfterWriting(bool on) {
    ctx_.settings.verifyAfterWriting = on;
    if (!ctx_.settingsFile.isEmpty())
        ProfileFile(ctx_.settingsFile)
            .write(Settings::verifyAfterWriting, on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace r5k27
