#pragma once

#include "core/channels/ChannelRec.h"
#include "core/channels/ChannelTable.h"
#include "core/common/CsvText.h"
#include "core/lang/Language.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QIODevice;

namespace r5k27 {

struct MemoryImage;

// A row of a channel list that could not be taken, with why, in both languages.
struct CsvProblem {
    int row = 0; // record number in the file, the header being 1
    QString value;
    LocalString why;

    QString reason(Language lang) const { return why.in(lang); }
};

// A report lists this many rows of each kind, then says how many more there were: a list of
// tens of thousands of rows helps no one, and keeping them all cost hundreds of MB.
inline constexpr int kCsvReportedRows = 100;
// %1 rows left out of the report
inline constexpr LocalText kCsvMoreRows{"… and %1 more rows", "……另有 %1 行"};

struct CsvImportResult {
    int taken = 0;
    // The first kCsvReportedRows rows that could not be taken; problemCount counts them all.
    QList<CsvProblem> problems;
    int problemCount = 0;
    // Refused unread beyond the size limits of common/CsvText.h (kCsvTooLarge).
    bool tooLarge = false;
    // Rows taken with a value the document could not hold as given, and what it became; the
    // first kCsvReportedRows of them, changedCount counts them all.
    QList<CsvProblem> changed;
    int changedCount = 0;

    int problemsLeftOut() const { return problemCount - int(problems.size()); }
    int changesLeftOut() const { return changedCount - int(changed.size()); }
};

// The used channels of both work modes as a comma-separated channel list (UTF-8, header row):
// the columns other programs exchange (Location, Name, Frequency, ... Comment) followed by
// the columns only this radio has. Location numbers: CB groups A..J channels 1..40 are 1..400,
// the "MEM" channels M1..M6 (those of group A) 401..406; HF the same plus 500.
QByteArray channelsToCsv(const MemoryImage& image, const ChTable& table);

// Reads a channel list of that layout, from this program or another (columns in any order,
// unknown ones ignored). Every group, and the "MEM" channels, that the list names get exactly
// the list's channels; the rest of the document stays. Rows go through the rules of typing
// (band limits, 10 Hz grid, enabled modes, group check, group switched on) and rows that cannot
// be taken are reported; the channel at a refused row's place stays as it was. When no row can
// be taken, nothing changes.
// The file is read a record at a time, after a scan for the size limits.
CsvImportResult channelsFromCsv(QIODevice& in, MemoryImage& image, ChTable& table);
CsvImportResult channelsFromCsv(const QByteArray& data, MemoryImage& image, ChTable& table);

// The columns of a channel list, in the order channelsToCsv writes them.
QStringList channelTableColumns();
// The channels of keys as a table to paste elsewhere: the columns of channelsToCsv, separated
// by tabs, under a header line. An empty slot gives a row without a frequency.
QString channelsAsTable(const MemoryImage& image, const ChTable& table,
                        const QList<ChannelKey>& keys);
// The records of a table pasted as text: separated by tabs when the first line holds one (a
// spreadsheet's cells), else comma-separated as a channel list file.
QList<CsvRecord> tableRecords(const QString& text);

// Reads rows of a channel list for channels the caller chooses, whatever place a row names,
// under the same rules as channelsFromCsv.
class ChannelRowReader {
public:
    ChannelRowReader(const QStringList& header, const MemoryImage& image);
    ~ChannelRowReader();
    // A row without a frequency: it empties the channel it goes to.
    bool leavesEmpty(const CsvRecord& record) const;
    // The record for channel key, or why the row cannot be taken.
    std::optional<CsvProblem> read(const CsvRecord& record, const ChannelKey& key,
                                   ChannelRec& out) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace r5k27
