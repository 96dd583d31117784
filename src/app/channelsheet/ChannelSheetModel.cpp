#include "ChannelSheetModel.h"

#include "channelsheet/ChannelSheetCaptions.h"
#include "common/TextFrequencyCell.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/GroupSettings.h"
#include "core/document/DocumentModel.h"
#include "core/document/TextFrequencies.h"
#include "core/image/MemoryImage.h"

#include <QGuiApplication>
#include <QPalette>

namespace r5k27 {
namespace {

constexpr int kFieldColumns = 3;

// The frequency first, as the eye looks for it, then every chosen field in record order.
std::vector<ChannelField> shownFields() {
    std::vector<ChannelField> fields{ChannelField::RxFreq};
    for (const ChannelFieldInfo& row : channelFields())
        if (row.choice != ChannelChoice::None && row.choice != ChannelChoice::ShortTone &&
            row.id != ChannelField::RxFreq)
            fields.push_back(row.id);
    return fields;
}

} // namespace

ChannelSheetModel::ChannelSheetModel(const DocumentModel& model, Language lang, QObject* parent)
    : QAbstractTableModel(parent)
    , model_(model)
    , lang_(lang)
    , fields_(shownFields()) {}

std::vector<ChannelKey> ChannelSheetModel::rowsNow() const {
    std::vector<ChannelKey> keys;
    auto add = [&](const ChannelKey& key) {
        if (!usedOnly_ || model_.channel(key))
            keys.push_back(key);
    };
    for (const QString& letter : groupViewList(mode_)) {
        const int group = groupNumberFromText(letter);
        if (viewGroup_ != kAllGroups && viewGroup_ != group)
            continue;
        if (group == kMemGroup) {
            for (int chNo = kOrdinaryChannels + 1; chNo <= kSlotCount; ++chNo)
                add({mode_, 1, chNo});
        } else {
            for (int chNo = 1; chNo <= kOrdinaryChannels; ++chNo)
                add({mode_, group, chNo});
        }
    }
    return keys;
}

void ChannelSheetModel::showRows(int viewGroup, bool usedOnly) {
    beginResetModel();
    mode_ = model_.workMode();
    viewGroup_ = viewGroup;
    usedOnly_ = usedOnly;
    keys_ = rowsNow();
    endResetModel();
}

void ChannelSheetModel::refresh() {
    if (usedOnly_) {
        std::vector<ChannelKey> keys = rowsNow();
        if (keys != keys_) {
            beginResetModel();
            keys_ = std::move(keys);
            endResetModel();
            return;
        }
    }
    if (!keys_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ChannelSheetModel::rowOf(const ChannelKey& key) const {
    const auto at = std::find(keys_.begin(), keys_.end(), key);
    return at == keys_.end() ? -1 : int(at - keys_.begin());
}

QString ChannelSheetModel::label(int row) const {
    const ChannelKey key = keyOfRow(row);
    return key.chNo > kOrdinaryChannels ? getChName(key.chNo)
                                        : groupTextFromNumber(key.group) + getChName(key.chNo);
}

std::optional<ChannelField> ChannelSheetModel::fieldOf(int column) const {
    const int at = column - kFrequencyColumn;
    if (at < 0 || at >= int(fields_.size()))
        return std::nullopt;
    return fields_[std::size_t(at)];
}

QString ChannelSheetModel::columnCaption(int column) const {
    if (column == kGroupColumn)
        return channelSheetCaptions().groupColumn.in(lang_);
    if (column == kChannelColumn)
        return channelFieldInfo(ChannelField::ChNo).caption.in(lang_);
    const auto field = fieldOf(column);
    return field ? channelFieldInfo(*field).caption.in(lang_) : QString();
}

DetailChoices ChannelSheetModel::choicesAt(int row, int column) const {
    const auto field = fieldOf(column);
    const ChannelRec* rec = row >= 0 && row < rowCount() ? model_.channel(keyOfRow(row)) : nullptr;
    if (!field || !rec || *field == ChannelField::RxFreq)
        return {};
    return detailChoices(detailIndexOf(*field), *rec, model_.image(), lang_, isMemoryRow(row));
}

std::optional<int> ChannelSheetModel::valueOfChoice(int row, int column, int position) const {
    const auto field = fieldOf(column);
    if (!field)
        return std::nullopt;
    return detailValue(detailIndexOf(*field), choicesAt(row, column), position);
}

int ChannelSheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(keys_.size());
}

int ChannelSheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFieldColumns - 1 + int(fields_.size());
}

QVariant ChannelSheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    const ChannelKey key = keyOfRow(index.row());
    const auto field = fieldOf(index.column());
    const ChannelRec* rec = model_.channel(key);
    // A stored frequency that is no number is shown as stored and marked, not left blank.
    if (rec && field == ChannelField::RxFreq)
        if (const auto text = textFrequencyOf(*rec))
            return textFrequencyCell(key, *text, role, lang_);
    if (role == Qt::ForegroundRole) {
        // What the radio ignores on a public channel is greyed, as in the channel window.
        if (rec && field && ignoredByRadio(*rec, *field))
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == kGroupColumn)
        return groupTextFromNumber(key.chNo > kOrdinaryChannels ? kMemGroup : key.group);
    if (index.column() == kChannelColumn)
        return getChName(key.chNo);
    return rec && field ? channelValueText(*rec, *field, lang_) : QString();
}

QVariant ChannelSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnCaption(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ChannelSheetModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!index.isValid() || index.row() >= rowCount())
        return shown;
    if (index.column() == kFrequencyColumn)
        return shown | Qt::ItemIsEditable;
    const auto field = fieldOf(index.column());
    const ChannelRec* rec = model_.channel(keyOfRow(index.row()));
    return field && rec && !ignoredByRadio(*rec, *field) ? shown | Qt::ItemIsEditable : shown;
}

bool ChannelSheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !edit_ || !(flags(index) & Qt::ItemIsEditable))
        return false;
    edit_(index.row(), index.column(), value);
    return true;
}

} // namespace r5k27
