#pragma once

#include "core/lang/Language.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace r5k27::test {

// Every text a user can see in a window, keyed by where it sits ("FrmComSet/QLabel:Label1 text"):
// window titles, labels, buttons, group-box titles, tabs, list and combo entries, tree and table
// cells and headers, placeholders, tool tips and status tips, and the window's visible menu and
// toolbar actions. Hidden widgets and actions are left out.
using ShownTexts = QMap<QString, QString>;
ShownTexts shownTexts(const QWidget& window);

// Opens a modal dialog with `open` (which returns once the dialog is closed), takes its texts
// while it is up and closes it. Empty when no dialog appeared.
ShownTexts shownTextsOfModal(const std::function<void()>& open);

// Parts of texts that read the same in both languages: names, units, signalling systems.
extern const QStringList kSameInBothLanguages;

// The texts that a window shows in Chinese exactly as in English, i.e. left untranslated, as
// "where: text". textsIn(lang) shows the window in that language and returns its texts. A text
// counts only when something other than digits, punctuation and the sameInBoth parts is left.
// Usage: EXPECT_EQ(test::leftInEnglish([&](Language lang) { ...; return test::shownTexts(w); }),
//                  QStringList());
QStringList leftInEnglish(const std::function<ShownTexts(Language lang)>& textsIn,
                          const QStringList& sameInBoth = kSameInBothLanguages);

} // namespace r5k27::test
