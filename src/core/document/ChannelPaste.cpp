#include "ChannelPaste.h"

#include "core/channels/BandLimits.h"
#include "core/channels/FrequencyCodec.h"
#include "core/image/MemoryImage.h"
#include "core/lang/CsvCaptions.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

namespace r5k27 {
namespace {

int columnOf(const QStringList& header, const char* column) {
    for (qsizetype i = 0; i < header.size(); ++i)
        if (header[i].trimmed().compare(QLatin1String(column), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}
bool names(const QStringList& header, const char* column) {
    return columnOf(header, column) >= 0;
}

CsvProblem outOfBand(int line, const QString& value, int mode) {
    const QString band = bandTextOfWorkMode(mode);
    LocalString why = kFreqOutOfRangeText;
    for (QString& text : why.texts)
        text += u' ' + band;
    return {line, value, why};
}

// A frequency alone: the channel keeps its other values, a new one gets a new channel's.
std::optional<CsvProblem> pasteFrequency(const QString& text, int line, const ChannelKey& key,
                                         MemoryImage& image, ChTable& table) {
    if (text.trimmed().isEmpty()) {
        enterFrequency(image, table, key, std::nullopt);
        return std::nullopt;
    }
    const auto frequency = frequencyInBand(text, key.mode);
    if (!frequency)
        return outOfBand(line, text, key.mode);
    enterFrequency(image, table, key, *frequency);
    return std::nullopt;
}

std::optional<CsvProblem> pasteRow(const ChannelRowReader& reader, const CsvRecord& record,
                                   const ChannelKey& key, MemoryImage& image, ChTable& table) {
    if (reader.leavesEmpty(record)) {
        enterFrequency(image, table, key, std::nullopt);
        return std::nullopt;
    }
    ChannelRec read;
    if (auto problem = reader.read(record, key, read))
        return problem;
    // A new channel goes in through the entry rules (group repaired), then takes the row.
    const auto frequency = Frequency::fromStored(read.rxFreq.raw());
    // Kept as typing keeps it where no finer step is lost, so a copy pastes back identical.
    if (frequency && *frequency == frequency->shownValue())
        setChannelFrequency(read, *frequency);
    if (!findChannel(image, table, key) && frequency)
        enterFrequency(image, table, key, *frequency);
    const int slot = findChannel(image, table, key);
    if (!slot)
        return CsvProblem{record.number, QString(), CsvCaptions::groupFull};
    ChannelRec& rec = table.at({key.mode, key.group, slot});
    read.chNo = rec.chNo;
    read.spare1 = rec.spare1;
    read.spare2 = rec.spare2;
    // References to codes and sequences this document lacks are dropped, as in an import; but
    // only the row's own: the reference rules run when codes and sequences change, not here.
    dropMissingDtmfCodes(image, read);
    read.rogerTone = std::int16_t(validRogerTone(image, read.rogerTone));
    rec = read;
    return std::nullopt;
}

} // namespace

ChannelPasteResult pasteChannelRows(const QString& text, const QList<ChannelKey>& targets,
                                    MemoryImage& image, ChTable& table) {
    ChannelPasteResult result;
    QList<CsvRecord> records = tableRecords(text);
    if (records.isEmpty())
        return result;
    QStringList header = records.first().fields;
    if (names(header, "Frequency")) {
        records.removeFirst();
    } else {
        header = records.first().fields.size() == 1 ? QStringList{QStringLiteral("Frequency")}
                                                    : channelTableColumns();
    }
    const bool frequencyOnly = !names(header, "Mode") && !names(header, "R5K27Mode");
    const int frequencyColumn = columnOf(header, "Frequency");
    const ChannelRowReader reader(header, image);
    for (qsizetype i = 0; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (i >= targets.size()) {
            result.refused.append(
                {ChannelKey{targets.value(0).mode, 1, 0},
                 CsvProblem{record.number, record.raw, CsvCaptions::noChannelLeft}});
            continue;
        }
        const ChannelKey& key = targets[i];
        std::optional<CsvProblem> problem;
        if (record.malformed || record.fields.size() != header.size())
            problem = CsvProblem{record.number, record.raw, CsvCaptions::malformedLine};
        else if (frequencyOnly)
            problem = pasteFrequency(record.fields.value(frequencyColumn), record.number, key,
                                     image, table);
        else
            problem = pasteRow(reader, record, key, image, table);
        if (problem)
            result.refused.append({key, *problem});
        else
            ++result.taken;
    }
    return result;
}

} // namespace r5k27
