#pragma once

#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"
#include "core/document/ChannelDetails.h"

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <vector>

namespace r5k27 {

class DocumentModel;

// Every channel slot of the work mode as a row (groups in order, their channels 1..40, then
// M1..M6), filtered by group and by use; a column per field a user chooses. Empty slots are
// rows too, so a channel can be typed anywhere. Writes go to the edit handler, which passes
// them to the document model; the rows follow the document when told to refresh.
class ChannelSheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kGroupColumn = 0;
    static constexpr int kChannelColumn = 1;
    static constexpr int kFrequencyColumn = 2;
    // The group filter that shows every group.
    static constexpr int kAllGroups = 0;

    // Takes a value written to a cell: typed text for the frequency, a field's value otherwise.
    using EditHandler = std::function<void(int row, int column, const QVariant& value)>;

    ChannelSheetModel(const DocumentModel& model, Language lang, QObject* parent = nullptr);

    void setEditHandler(EditHandler handler) { edit_ = std::move(handler); }
    // Rows of the work mode the document has now; viewGroup 1..10, 11 for "MEM" or kAllGroups.
    void showRows(int viewGroup, bool usedOnly);
    // Redraws from the document; rows come and go only where "used only" is on.
    void refresh();

    int viewGroup() const { return viewGroup_; }
    bool usedOnly() const { return usedOnly_; }
    int mode() const { return mode_; }
    ChannelKey keyOfRow(int row) const { return keys_.at(std::size_t(row)); }
    int rowOf(const ChannelKey& key) const;
    // "A12", "M3".
    QString label(int row) const;
    // The field of a column; nothing for the group and channel columns.
    std::optional<ChannelField> fieldOf(int column) const;
    QString columnCaption(int column) const;
    // Whether the row shows a memory channel, whose mode list leaves PA out.
    bool isMemoryRow(int row) const { return keyOfRow(row).chNo > kOrdinaryChannels; }

    // The entries of a list cell, as the detail panel offers them for the channel (no entries
    // for an empty slot), and the value an entry stands for.
    DetailChoices choicesAt(int row, int column) const;
    std::optional<int> valueOfChoice(int row, int column, int position) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    std::vector<ChannelKey> rowsNow() const;

    const DocumentModel& model_;
    Language lang_;
    int mode_ = 0;
    int viewGroup_ = kAllGroups;
    bool usedOnly_ = false;
    std::vector<ChannelKey> keys_;
    std::vector<ChannelField> fields_;
    EditHandler edit_;
};

} // namespace r5k27
