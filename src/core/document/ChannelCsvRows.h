#pragma once

// The reading side of a channel list: where its columns are, found once per file, and each
// row's place and values, read from views of the row's fields without copying them.
#include "ChannelCsv.h"
#include "core/channels/ChannelFields.h"

#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace r5k27 {

struct MemoryImage;

namespace csv {

inline constexpr int kMemRows = 6;
inline constexpr int kGroupBlock = 40;
inline constexpr int kMemBase = 400;  // M1..M6 of a work mode follow its ten groups
inline constexpr int kHFOffset = 500; // the HF work mode's locations
inline constexpr std::array<const char*, kModeCount> kWorkModeNames{"CB", "HF"};

// This radio's own columns: its switches, then its references, each in record order.
inline bool isSwitchColumn(const ChannelFieldInfo& f) {
    return f.csvColumn && f.choice == ChannelChoice::Switch;
}
inline bool isReferenceColumn(const ChannelFieldInfo& f) {
    return f.csvColumn &&
           (f.choice == ChannelChoice::RogerRef || f.choice == ChannelChoice::DtmfRef);
}
int referenceMax(const ChannelFieldInfo& f);
int locationOf(int mode, int group, int chNo);

struct Place {
    int mode = 0;
    int group = 0; // 1..10; memory channels live in group 1
    int chNo = 0;
    bool operator<(const Place& o) const {
        return std::tie(mode, group, chNo) < std::tie(o.mode, o.group, o.chNo);
    }
    bool memory() const { return chNo > kOrdinaryChannels; }
};

class RowReader {
public:
    RowReader(const QStringList& header, const MemoryImage& image);

    bool usable() const;
    // What the last row read had changed, if anything.
    const std::optional<CsvProblem>& change() const { return change_; }

    // The record and its place, or the problem that keeps the row out.
    std::optional<CsvProblem> read(const CsvRow& row, Place& place, ChannelRec& out) const;
    // The record for a place of the caller's choice, whatever place the row names.
    std::optional<CsvProblem> readFor(const CsvRow& row, const Place& place, ChannelRec& out) const;
    bool withoutFrequency(const CsvRow& row) const;

private:
    // The columns a row is read from, by position in the file (-1: the file has none).
    enum Column {
        Location,
        Frequency,
        Duplex,
        Tone,
        RToneFreq,
        CToneFreq,
        DtcsCode,
        DtcsPolarity,
        Mode,
        Skip,
        WorkMode,
        Group,
        Channel,
        OwnMode,
        kColumnCount
    };
    struct FieldColumn {
        const ChannelFieldInfo* field;
        int position;
    };

    void startRow(const CsvRow& row) const;
    QStringView field(Column column) const { return fieldAt(columns_[column]); }
    QStringView fieldAt(int position) const;
    CsvProblem problem(const QString& value, const LocalString& why) const;

    std::optional<CsvProblem> readValues(const Place& place, ChannelRec& out) const;
    std::optional<CsvProblem> readPlace(Place& place) const;
    std::optional<CsvProblem> readFrequency(const Place& place, ChannelRec& out) const;
    std::optional<CsvProblem> readMode(const Place& place, ChannelRec& out) const;
    std::optional<CsvProblem> readTone(ChannelRec& out) const;
    std::optional<CsvProblem> readDuplexAndSkip(ChannelRec& out) const;
    std::optional<CsvProblem> readOwnColumns(ChannelRec& out) const;

    const MemoryImage& image_;
    std::array<int, kColumnCount> columns_{};
    std::vector<FieldColumn> switches_;
    std::vector<FieldColumn> references_;
    bool ownPlace_ = false;
    mutable const QList<QStringView>* fields_ = nullptr;
    mutable int row_ = 0;
    mutable std::optional<CsvProblem> change_;
};

} // namespace csv
} // namespace r5k27
