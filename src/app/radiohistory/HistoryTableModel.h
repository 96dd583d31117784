#pragma once

#include "core/lang/Language.h"
#include "history/HistoryQuery.h"

#include <QSqlQueryModel>

namespace r5k27 {

// The operations of the history as the window shows them: read from the database as the view
// scrolls, with times, kinds and outcomes in the user's language.
class HistoryTableModel : public QSqlQueryModel {
public:
    HistoryTableModel(QSqlDatabase& db, Language lang, QObject* parent = nullptr);

    void setFilter(const HistoryFilter& filter);
    const HistoryFilter& filter() const { return filter_; }
    qint64 operationId(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString displayText(HistoryColumn column, const QVariant& value, int row) const;

    QSqlDatabase& db_;
    Language lang_;
    HistoryFilter filter_;
};

} // namespace r5k27
