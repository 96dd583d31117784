#pragma once

#include "core/channels/ChannelTable.h"
#include "core/lang/Language.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace r5k27 {

class DocumentModel;

// The rows of one group of a work mode as the grid shows them: the channel's name, then its
// frequency. Rows are counted from 1 as the grid's data rows; the "MEM" view (group 11) shows
// the memory channels M1..M6 of group "A".
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kFrequencyColumn = 1;

    ChannelGridModel(const DocumentModel& model, QObject* parent = nullptr);

    void showGroup(int mode, int viewGroup);
    void setHeaders(const QStringList& headers);
    // The language of the marks on stored frequencies that are no number.
    void setLanguage(Language lang) { lang_ = lang; }
    // Every row anew from the document.
    void refresh();

    int mode() const { return mode_; }
    int viewGroup() const { return viewGroup_; }
    bool memView() const;
    int rows() const;
    ChannelKey keyOfRow(int row) const;
    // The row showing channel chNo of group, 0 when this view does not show it.
    int rowOfChannel(int group, int chNo) const;
    // "A12", or "M3" in the "MEM" view.
    QString label(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const DocumentModel& model_;
    int mode_ = 0;
    int viewGroup_ = 1;
    QStringList headers_;
    Language lang_ = Language::English;
};

} // namespace r5k27
