#pragma once

#include "core/channels/ChannelRec.h"
#include "core/lang/Language.h"

#include <QString>
#include <QVariant>

class QAbstractItemView;

namespace r5k27 {

// The frequency cell of a channel whose stored frequency is text but no number: the text as
// stored, in the warning colour, with the reason as tooltip and status tip.
QVariant textFrequencyCell(const ChannelKey& key, const QString& stored, int role, Language lang);

// Shows the status tip of the view's current cell in the status bar whenever the cell changes,
// so the reason for a marked cell is there without the mouse. Call after the view's model is set.
void showStatusTipOfCurrentCell(QAbstractItemView* view);

} // namespace r5k27
