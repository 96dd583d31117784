#pragma once

#include "PortWindow.h"
#include "core/common/Prompter.h"

#include <QPointer>

class QAction;

namespace r5k27 {

struct AppContext;
class LinkBackups;
class RadioJobListener;
class FeatureHost;
class SeveralRadiosWindow;

// Program › Write to Several Radios and Setup › Verify After Writing.
class SeveralRadiosFeature {
public:
    SeveralRadiosFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                         PortWindow::PortLister listPorts, LinkBackups& backups,
                         RadioJobListener* listener = nullptr);

    // Opens the window over the document as the editors show it; null when the document does
    // not fit the radio (the refusal was shown).
    SeveralRadiosWindow* open();
    void setVerifyAfterWriting(bool on);

private:
    // False while the window writes: the cables are stopped as its Stop button does, and the
    // main window closes once the window has been closed after the summary.
    bool mayExitNow();

    AppContext& ctx_;
    FeatureHost& window_;
    Prompter& prompter_;
    PortWindow::PortLister listPorts_;
    LinkBackups& backups_;
    RadioJobListener* listener_;
    QAction* verifyItem_ = nullptr;
    QPointer<SeveralRadiosWindow> open_;
};

} // namespace r5k27
