#include "TextFrequencyCell.h"

#include "core/document/TextFrequencies.h"

#include <QAbstractItemView>
#include <QColor>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QStatusTipEvent>

namespace r5k27 {

QVariant textFrequencyCell(const ChannelKey& key, const QString& stored, int role, Language lang) {
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return stored;
    case Qt::ToolTipRole:
    case Qt::StatusTipRole:
        return textFrequencyHint(key, stored, lang);
    case Qt::ForegroundRole:
        return QColor(Qt::red);
    default:
        return {};
    }
}

void showStatusTipOfCurrentCell(QAbstractItemView* view) {
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                     [view](const QModelIndex& now) {
                         const QString tip = now.data(Qt::StatusTipRole).toString();
                         if (tip.isEmpty())
                             return;
                         QStatusTipEvent event(tip);
                         QCoreApplication::sendEvent(view, &event);
                     });
}

} // namespace r5k27
