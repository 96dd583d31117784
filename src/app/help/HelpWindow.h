#pragma once

#include "lang/Language.h"

#include <QString>

class QWidget;

namespace r5k27 {

// Opens the help at a section (an id of HelpCaptions); the one way in for Help › Help topics,
// F1 and every window's Help button. Until a user guide is installed it is the built-in page.
// The page is one window, kept open beside the editors and brought forward on the next call.
void showHelp(const QString& sectionId, Language lang, QWidget* parent);

// The help window that is open, or null.
QWidget* openHelpWindow();

} // namespace r5k27
