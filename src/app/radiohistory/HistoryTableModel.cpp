#include "HistoryTableModel.h"

#include "HistoryTexts.h"

#include <QDateTime>
#include <QSqlRecord>
#include <QTimeZone>

namespace r5k27 {

HistoryTableModel::HistoryTableModel(QSqlDatabase& db, Language lang, QObject* parent)
    : QSqlQueryModel(parent)
    , db_(db)
    , lang_(lang) {}

void HistoryTableModel::setFilter(const HistoryFilter& filter) {
    filter_ = filter;
    setQuery(historyQuery(db_, filter, false));
}

qint64 HistoryTableModel::operationId(int row) const {
    return QSqlQueryModel::data(index(row, int(HistoryColumn::Id))).toLongLong();
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    const QVariant value = QSqlQueryModel::data(index, role);
    if (role != Qt::DisplayRole || !index.isValid())
        return value;
    return displayText(HistoryColumn(index.column()), value, index.row());
}

QString HistoryTableModel::displayText(HistoryColumn column, const QVariant& value, int row) const {
    using enum HistoryColumn;
    switch (column) {
    case Started:
    case Ended:
        return value.isNull() ? QString()
                              : QDateTime::fromMSecsSinceEpoch(value.toLongLong())
                                    .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Kind: {
        const int radio = QSqlQueryModel::data(index(row, int(Radio))).toInt();
        const auto kind = kindFromKey(value.toString());
        return kind ? kindText(*kind, radio, lang_) : value.toString();
    }
    case Outcome: {
        const auto outcome = outcomeFromKey(value.toString());
        return outcome ? outcomeText(*outcome, lang_) : value.toString();
    }
    case DurationMs:
        return value.isNull()
                   ? QString()
                   : QString::number(value.toDouble() / 1000.0, 'f', 1) + QStringLiteral(" s");
    case Sha256:
        return value.toString().left(16);
    case Radio:
        return value.toInt() > 0 ? value.toString() : QString();
    default:
        return value.toString();
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= int(HistoryColumn::Count))
        return QSqlQueryModel::headerData(section, orientation, role);
    return HistoryTexts::columns[section].in(lang_);
}

} // namespace r5k27
