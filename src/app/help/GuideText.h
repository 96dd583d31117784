#pragma once

#include "core/lang/Language.h"

#include <QList>
#include <QString>

namespace r5k27 {

// The user guide as the help window shows it, in one language.

// The source as written (docs/guide), compiled into the program.
QString guideSource(Language lang);

// The source with the options tables filled in from the option field table, and without the
// pictures that pictureFolder lacks (a tree built without them still reads well); wide
// pictures are given a smaller size to show at.
QString guideHtml(Language lang, const QString& pictureFolder);

struct GuideSection {
    QString id;
    QString title;
};
// The sections in their order: each h2 that opens with an anchor.
QList<GuideSection> guideSections(const QString& html);

} // namespace r5k27
