#include "AboutWindow.h"

#include "SystemReport.h"
#include "common/ProgramInfo.h"
#include "core/common/Prompter.h"
#include "platform/ProcessStart.h"
#include "startup/AppContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace r5k27 {

AboutWindow::AboutWindow(const AppContext& ctx, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , ctx_(ctx)
    , prompter_(prompter) {
    const Language lang = ctx.settings.language;
    const bool chinese = lang == Language::Chinese;
    setObjectName(chinese ? QStringLiteral("frmAbout") : QStringLiteral("FrmAbout2"));
    setWindowTitle(withoutAccelerator(ctx.captions.menuText(MenuItem::HelpAbout, lang)));

    auto* title = new QLabel(programTitle(lang), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    auto* model = new QLabel(ctx.settings.modelName, this);
    model->setObjectName(QStringLiteral("lblDescription"));
    auto* version = new QLabel(versionText(lang, QStringLiteral(R5K27_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(ctx.captions.buttons.ok.in(lang), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    if (chinese) {
        auto* sysInfo = new QPushButton(ctx.captions.messages.systemInfo.in(lang), this);
        sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
        connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::showSystemInformation);
        buttons->addWidget(sysInfo);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(model);
    layout->addWidget(version);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void AboutWindow::showSystemInformation() {
    const Language lang = ctx_.settings.language;
#ifdef Q_OS_WIN
    const QString tool = systemInformationTool();
    if (tool.isEmpty() || !startDetachedProgram(tool))
        prompter_.inform(ctx_.captions.messages.systemInfoUnavailable.in(lang));
#else
    prompter_.inform(systemReport(currentSystemFacts(), lang));
#endif
}

void showAboutWindow(const AppContext& ctx, Prompter& prompter, QWidget* parent) {
    AboutWindow window(ctx, prompter, parent);
    window.exec();
}

} // namespace r5k27
