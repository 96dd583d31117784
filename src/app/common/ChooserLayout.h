#pragma once

#include "core/lang/Language.h"

class QComboBox;
class QDialog;
class QLabel;

namespace r5k27 {

struct CaptionTables;

// The small modal choosers (port, language) share one shape: a caption and its list above OK
// (the default) and Cancel, which accept or reject the dialog.
void layOutChooser(QDialog& dialog, QLabel* label, QComboBox* list, const CaptionTables& captions,
                   Language lang);

} // namespace r5k27
