#pragma once

#include "core/lang/Language.h"

#include <QString>

class QWidget;

namespace r5k27 {

// Opens the user guide at a section (an id of HelpCaptions); the one way in for Help › Help
// topics, F1 and every window's Help button. pictureFolder holds the guide's pictures. The guide
// is one window, kept open beside the editors and brought forward on the next call; it belongs
// to parent (a modal dialog may ask for it).
void showHelp(const QString& sectionId, Language lang, QWidget* parent,
              const QString& pictureFolder = {});

// The help window that is open, or null.
QWidget* openHelpWindow();

// The id of the section the open help window has selected in its contents; empty when none is
// open or the section asked for does not exist.
QString shownHelpSection();

} // namespace r5k27
