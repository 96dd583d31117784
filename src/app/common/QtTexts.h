#pragma once

#include "core/lang/Language.h"

namespace r5k27 {

// Qt's own texts (file dialogs, standard buttons, the child windows' system menu) in the
// program's language. Without Qt's Chinese translations installed they stay English.
// True when the texts of that language are in use.
bool useQtTexts(Language lang);

} // namespace r5k27
