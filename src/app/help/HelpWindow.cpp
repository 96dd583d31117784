#include "HelpWindow.h"

#include "lang/HelpCaptions.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace r5k27 {

namespace {

QPointer<QDialog> helpWindow;

QString pageHtml(Language lang) {
    QString html;
    for (const HelpCaptions::Section& s : HelpCaptions::kSections)
        html += QStringLiteral("<h2><a name=\"%1\"></a>%2</h2><p>%3</p>")
                    .arg(QString::fromLatin1(s.id), s.title.in(lang).toHtmlEscaped(),
                         s.body.in(lang).toHtmlEscaped());
    return html;
}

QDialog* makeWindow(QWidget* parent) {
    auto* dialog = new QDialog(parent, Qt::Window);
    dialog->setObjectName(QStringLiteral("HelpWindow"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* browser = new QTextBrowser(dialog);
    browser->setObjectName(QStringLiteral("HelpText"));
    auto* buttons = new QDialogButtonBox(dialog);
    auto* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CommandClose"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    dialog->resize(520, 420);
    return dialog;
}

} // namespace

void showHelp(const QString& sectionId, Language lang, QWidget* parent) {
    if (!helpWindow)
        helpWindow = makeWindow(parent);
    helpWindow->setWindowTitle(HelpCaptions::window.in(lang));
    auto* browser = helpWindow->findChild<QTextBrowser*>();
    browser->setHtml(pageHtml(lang));
    helpWindow->findChild<QPushButton*>(QStringLiteral("CommandClose"))
        ->setText(HelpCaptions::close.in(lang));
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
    browser->scrollToAnchor(sectionId);
}

QWidget* openHelpWindow() {
    return helpWindow && helpWindow->isVisible() ? helpWindow.data() : nullptr;
}

} // namespace r5k27
