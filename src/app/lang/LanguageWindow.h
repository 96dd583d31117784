#pragma once

#include "common/CaptionTables.h"
#include "core/common/AppSettings.h"
#include "core/lang/Language.h"

#include <QDialog>
#include <optional>

class QComboBox;

namespace r5k27 {

class FeatureHost;

// Picks the display language. OK stores it in the settings file; the main window
// switches the next time it becomes active.
class LanguageWindow : public QDialog {
    Q_OBJECT
public:
    LanguageWindow(AppSettings& settings, const CaptionTables& captions, QString settingsFile,
                   QWidget* parent = nullptr);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The language whose name the list shows, in the display language; 0 for none.
    std::optional<Language> shownLanguage() const;

    AppSettings& settings_;
    const CaptionTables& captions_;
    QString settingsFile_;
    QComboBox* list_;
};

// Puts "&Language Setup" into the main window's Setup menu.
void registerLanguageWindow(FeatureHost& window, AppSettings& settings,
                            const CaptionTables& captions, const QString& settingsFile);

} // namespace r5k27
