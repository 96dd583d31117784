#include "LanguageWindow.h"

#include "common/ChooserLayout.h"
#include "common/FeatureHost.h"
#include "platform/ProfileFile.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

namespace r5k27 {

LanguageWindow::LanguageWindow(AppSettings& settings, const CaptionTables& captions,
                               QString settingsFile, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , captions_(captions)
    , settingsFile_(std::move(settingsFile))
    , list_(new QComboBox(this)) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const Language lang = settings.language;
    setWindowTitle(captions.languageWindow.window.in(lang));

    for (const Language language : kLanguages)
        list_->addItem(captions.languageName(language, lang));
    list_->setCurrentIndex(std::max(0, list_->findText(captions.languageName(lang, lang))));
    list_->installEventFilter(this);
    layOutChooser(*this, new QLabel(captions.languageWindow.languageMode.in(lang), this), list_,
                  captions, lang);
    setMinimumWidth(280);
}

std::optional<Language> LanguageWindow::shownLanguage() const {
    const QString shown = list_->currentText();
    for (const Language language : kLanguages)
        if (shown == captions_.languageName(language, settings_.language))
            return language;
    return std::nullopt;
}

void LanguageWindow::accept() {
    // A list showing no language name leaves the language as it is rather than setting none.
    if (const std::optional<Language> chosen = shownLanguage()) {
        if (*chosen != settings_.language) {
            settings_.appliedLanguage = settings_.language;
            settings_.language = *chosen;
        }
        ProfileFile(settingsFile_)
            .write(Settings::currentLanguage, QString::number(settingOf(settings_.language)));
    }
    QDialog::accept();
}

bool LanguageWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the list moves on to the next control, as Tab does, instead of pressing OK.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void registerLanguageWindow(FeatureHost& window, AppSettings& settings,
                            const CaptionTables& captions, const QString& settingsFile) {
    window.registerCommand(MenuItem::Language, [&window, &settings, &captions, settingsFile] {
        LanguageWindow dialog(settings, captions, settingsFile, window.widget());
        dialog.exec();
        // The switch happens on activation; not every window manager hands it back by itself.
        window.widget()->activateWindow();
    });
}

} // namespace r5k27
