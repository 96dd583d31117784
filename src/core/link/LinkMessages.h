#pragma once

#include "LinkEvents.h"
#include "core/common/AppSettings.h"
#include "core/common/Prompter.h"
#include "core/lang/Language.h"

#include <QStringList>

namespace r5k27 {

// How the link's decisions and outcomes are put to a person: the texts, buttons and icons the
// program has always shown. Whoever observes the engine picks the prompter.

// Asks the question; true when the answer is to go on (Retry, OK, Yes).
bool askLinkQuestion(Prompter& prompter, const LinkDecision& decision, const AppSettings& settings);

// Messages held back until the operation ended, each for its own OK box.
QStringList outcomeNotices(const LinkOutcome& outcome, Language lang);

// The completion box of a successful read or write, with extraLine (when not empty) below its
// first line; empty for anything else.
QString completionMessage(const LinkOutcome& outcome, Language lang, const QString& extraLine = {});

// The notices, then the completion box.
void tellOutcome(Prompter& prompter, const LinkOutcome& outcome, Language lang);

} // namespace r5k27
