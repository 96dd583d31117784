#include "ChannelGridModel.h"

#include "common/TextFrequencyCell.h"
#include "core/channels/ChannelNames.h"
#include "core/document/DocumentModel.h"
#include "core/document/TextFrequencies.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

constexpr int kMemRows = 6;

} // namespace

ChannelGridModel::ChannelGridModel(const DocumentModel& model, QObject* parent)
    : QAbstractTableModel(parent)
    , model_(model) {}

void ChannelGridModel::showGroup(int mode, int viewGroup) {
    beginResetModel();
    mode_ = mode;
    viewGroup_ = viewGroup;
    endResetModel();
}

void ChannelGridModel::setHeaders(const QStringList& headers) {
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, int(headers.size()) - 1);
}

void ChannelGridModel::refresh() {
    if (rows() > 0)
        emit dataChanged(index(0, 0), index(rows() - 1, kFrequencyColumn));
}

bool ChannelGridModel::memView() const {
    return viewGroup_ == kMemGroup;
}

int ChannelGridModel::rows() const {
    return memView() ? kMemRows : kOrdinaryChannels;
}

ChannelKey ChannelGridModel::keyOfRow(int row) const {
    return memView() ? ChannelKey{mode_, 1, row + kOrdinaryChannels}
                     : ChannelKey{mode_, viewGroup_, row};
}

int ChannelGridModel::rowOfChannel(int group, int chNo) const {
    const int row = memView() ? chNo - kOrdinaryChannels : chNo;
    const bool shown = memView() ? group == 1 && chNo > kOrdinaryChannels
                                 : group == viewGroup_ && chNo <= kOrdinaryChannels;
    return shown && row >= 1 && row <= rows() ? row : 0;
}

QString ChannelGridModel::label(int row) const {
    return memView() ? getChName(row + kOrdinaryChannels)
                     : groupTextFromNumber(viewGroup_) + QString::number(row);
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    const ChannelKey key = keyOfRow(index.row() + 1);
    if (index.column() == 0)
        return role == Qt::DisplayRole || role == Qt::EditRole ? getChName(key.chNo) : QVariant();
    const ChannelRec* rec = model_.channel(key);
    if (!rec)
        return role == Qt::DisplayRole || role == Qt::EditRole ? QString() : QVariant();
    // A stored frequency that is no number is shown as stored and marked, not left blank.
    if (const auto text = textFrequencyOf(*rec))
        return textFrequencyCell(key, *text, role, lang_);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return channelValueText(*rec, ChannelField::RxFreq, Language::English);
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headers_.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (index.column() == kFrequencyColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled;
}

} // namespace r5k27
