#include "ChannelCsv.h"

#include "ChannelCsvRows.h"
#include "core/channels/BandLimits.h"
#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/Frequency.h"
#include "core/channels/FrequencyCodec.h"
#include "core/channels/GroupCheck.h"
#include "core/channels/ModeCodec.h"
#include "core/channels/ToneCodec.h"
#include "core/common/CsvText.h"
#include "core/common/NumericText.h"
#include "core/image/MemoryImage.h"
#include "core/lang/CsvCaptions.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <QBuffer>
#include <QHash>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

namespace r5k27 {

namespace C = CsvCaptions;
namespace {

using csv::isReferenceColumn;
using csv::isSwitchColumn;
using csv::kMemRows;
using csv::locationOf;
using csv::Place;
using csv::referenceMax;
using csv::RowReader;

constexpr int kFillerCtcss = 885; // what the common layout holds where a channel has no CTCSS
constexpr int kFillerDcs = 23;

const QStringList kCommonColumns = {
    QStringLiteral("Location"),     QStringLiteral("Name"),      QStringLiteral("Frequency"),
    QStringLiteral("Duplex"),       QStringLiteral("Offset"),    QStringLiteral("Tone"),
    QStringLiteral("rToneFreq"),    QStringLiteral("cToneFreq"), QStringLiteral("DtcsCode"),
    QStringLiteral("DtcsPolarity"), QStringLiteral("Mode"),      QStringLiteral("TStep"),
    QStringLiteral("Skip"),         QStringLiteral("Comment")};

const QString kOff = QStringLiteral("OFF");
const QString kOn = QStringLiteral("ON");

QStringList ownColumns() {
    QStringList names{QStringLiteral("WorkMode"), QStringLiteral("Group"),
                      QStringLiteral("Channel"), QStringLiteral("R5K27Mode")};
    for (const ChannelFieldInfo& f : channelFields())
        if (isSwitchColumn(f))
            names << QString::fromLatin1(f.csvColumn);
    for (const ChannelFieldInfo& f : channelFields())
        if (isReferenceColumn(f))
            names << QString::fromLatin1(f.csvColumn);
    return names;
}

// --- export ---------------------------------------------------------------------------------

// MHz with six decimals; empty for no frequency.
QString frequencyText6(const QString& stored) {
    const auto frequency = Frequency::fromStored(stored);
    return frequency ? frequency->text6() : QString();
}

QString tenthsText(int tenths) {
    return QString::number(tenths / 10.0, 'f', 1);
}

QStringList rowOf(const MemoryImage& image, const ChannelRec& rec, int mode, int group) {
    const bool memory = rec.chNo > kOrdinaryChannels;
    const int tone = rec.decodeTone;
    const bool ctcss = tone >= 1 && tone <= kCtcssCount;
    const bool dcs = tone > kCtcssCount && tone < kToneIndexCount;
    const QString ctcssText = tenthsText(ctcss ? ctcssTenthsHz(tone) : kFillerCtcss);
    const int dcsCode = dcs ? dcsOctalDigits(tone - kCtcssCount) : kFillerDcs;
    const bool shifted = rec.repShift == 1 || rec.repShift == 2;

    QStringList row{QString::number(locationOf(mode, group, rec.chNo)),
                    getChName(rec.chNo),
                    frequencyText6(rec.rxFreq.raw()),
                    rec.repShift == 1   ? QStringLiteral("+")
                    : rec.repShift == 2 ? QStringLiteral("-")
                                        : QString(),
                    Frequency::fromHz(shifted ? qint64(image.extFreq) * 100 : 0).text6(),
                    ctcss ? QStringLiteral("TSQL")
                    : dcs ? QStringLiteral("DTCS")
                          : QString(),
                    ctcssText,
                    ctcssText,
                    QStringLiteral("%1").arg(dcsCode, 3, 10, QChar(u'0')),
                    QStringLiteral("NN"),
                    rec.mode == kModePA ? QStringLiteral("FM") : modeTextFromCode(rec.mode),
                    QStringLiteral("5.00"),
                    rec.scanAdd == 0 ? QStringLiteral("S") : QString(),
                    QString(),
                    QString::fromLatin1(csv::kWorkModeNames[std::size_t(mode)]),
                    memory ? groupTextFromNumber(kMemGroup) : groupTextFromNumber(group),
                    getChName(rec.chNo),
                    modeTextFromCode(rec.mode)};
    for (const ChannelFieldInfo& f : channelFields())
        if (isSwitchColumn(f))
            row << (rec.*f.number == 1 ? kOn : kOff);
    for (const ChannelFieldInfo& f : channelFields()) {
        if (!isReferenceColumn(f))
            continue;
        const int n = rec.*f.number;
        row << (n >= 1 && n <= referenceMax(f) ? QString::number(n) : kOff);
    }
    return row;
}

// --- import ---------------------------------------------------------------------------------

// Puts the imported channels of one group in place of those of the same kind (ordinary or
// memory) that the list names; the others of the group stay, in their order, before them, and
// so does a channel whose row was refused (kept: their channel numbers).
void replaceGroup(MemoryImage& image, ChTable& table, int mode, int group,
                  const std::map<int, ChannelRec>& imported, const std::set<int>& kept,
                  bool ordinary, bool memory) {
    std::vector<ChannelRec> records;
    const int used = usedSlots(image, mode, group);
    for (int s = 1; s <= used; ++s) {
        const ChannelRec& rec = table.at({mode, group, s});
        const bool isMemory = rec.chNo > kOrdinaryChannels;
        const bool refusedHere = kept.count(rec.chNo) && !imported.count(rec.chNo);
        if (!(isMemory ? memory : ordinary) || refusedHere)
            records.push_back(rec);
    }
    for (const auto& [chNo, rec] : imported) {
        ChannelRec placed = rec;
        if (const int old = findChannel(image, table, {mode, group, chNo})) {
            placed.spare1 = table.at({mode, group, old}).spare1;
            placed.spare2 = table.at({mode, group, old}).spare2;
        }
        records.push_back(placed);
    }
    const int count = int(std::min<std::size_t>(records.size(), kSlotCount));
    for (int s = 1; s <= count; ++s)
        table.at({mode, group, s}) = records[std::size_t(s - 1)];
    image.chCount(mode, group) = std::int16_t(count);
}

// Counted always, kept only up to the report's length.
void note(QList<CsvProblem>& kept, int& count, CsvProblem&& row) {
    if (count++ < kCsvReportedRows)
        kept.append(std::move(row));
}

} // namespace

QByteArray channelsToCsv(const MemoryImage& image, const ChTable& table) {
    QString out = csvLine(kCommonColumns + ownColumns());
    for (int mode = 0; mode < kModeCount; ++mode) {
        std::map<int, QStringList> rows; // by location
        for (int group = 1; group <= kGroupCount; ++group) {
            const int used = usedSlots(image, mode, group);
            for (int slot = 1; slot <= used; ++slot) {
                const ChannelRec& rec = table.at({mode, group, slot});
                const bool ordinary = rec.chNo >= 1 && rec.chNo <= kOrdinaryChannels;
                const bool mem = group == 1 && rec.chNo > kOrdinaryChannels &&
                                 rec.chNo <= kOrdinaryChannels + kMemRows;
                if (ordinary || mem)
                    rows.emplace(locationOf(mode, group, rec.chNo), rowOf(image, rec, mode, group));
            }
        }
        for (const auto& [location, row] : rows)
            out += csvLine(row);
    }
    return out.toUtf8();
}

CsvImportResult channelsFromCsv(QIODevice& in, MemoryImage& image, ChTable& table) {
    CsvImportResult result;
    if (!csvWithinLimits(in)) {
        result.tooLarge = true;
        return result;
    }
    CsvReader records(in);
    const std::optional<CsvRecord> head = records.next();
    if (!head || head->malformed || !RowReader(head->fields, image).usable()) {
        note(result.problems, result.problemCount,
             CsvProblem{1, head ? head->raw : QString(), C::noColumns});
        return result;
    }
    const RowReader reader(head->fields, image);
    std::map<Place, ChannelRec> taken;
    // Places named by rows that were refused: what is there stays.
    std::set<Place> refused;
    while (const CsvRow* next = records.nextRow()) {
        const CsvRow& rec = *next;
        if (rec.malformed || rec.fields.size() != head->fields.size()) {
            note(result.problems, result.problemCount,
                 CsvProblem{rec.number, rec.raw.toString(), C::malformedLine});
            continue;
        }
        Place place;
        ChannelRec channel;
        if (auto problem = reader.read(rec, place, channel)) {
            if (place.group > 0)
                refused.insert(place);
            note(result.problems, result.problemCount, std::move(*problem));
        } else if (taken.count(place)) {
            note(result.problems, result.problemCount,
                 CsvProblem{rec.number,
                            QString::number(locationOf(place.mode, place.group, place.chNo)),
                            C::duplicateLocation});
        } else {
            taken.emplace(place, channel);
            if (reader.change())
                note(result.changed, result.changedCount, CsvProblem(*reader.change()));
        }
    }
    result.taken = int(taken.size());
    if (taken.empty())
        return result;

    std::map<std::pair<int, int>, std::map<int, ChannelRec>> byGroup;
    for (const auto& [place, channel] : taken)
        byGroup[{place.mode, place.group}].emplace(place.chNo, channel);
    for (const auto& [key, channels] : byGroup) {
        const auto [mode, group] = key;
        const bool ordinary = channels.begin()->first <= kOrdinaryChannels;
        const bool memory = channels.rbegin()->first > kOrdinaryChannels;
        std::set<int> kept;
        for (const Place& place : refused)
            if (place.mode == mode && place.group == group)
                kept.insert(place.chNo);
        replaceGroup(image, table, mode, group, channels, kept, ordinary, memory);
        if (ordinary)
            image.optFeat.groupValid(mode, group) = 1;
        groupCheck(image, table, mode, group);
    }
    setDtmfList(image, table);
    recheckRogerTones(image, table);
    return result;
}

QStringList channelTableColumns() {
    return kCommonColumns + ownColumns();
}

QString channelsAsTable(const MemoryImage& image, const ChTable& table,
                        const QList<ChannelKey>& keys) {
    const QStringList header = channelTableColumns();
    QString out = header.join(u'\t') + u'\n';
    const int frequencyColumn = int(header.indexOf(QStringLiteral("Frequency")));
    for (const ChannelKey& key : keys) {
        const int slot = findChannel(image, table, key);
        QStringList row;
        if (slot) {
            row = rowOf(image, table.at({key.mode, key.group, slot}), key.mode, key.group);
        } else {
            // An empty slot copies as a row without a frequency, which empties where it goes.
            ChannelRec empty;
            fillNewChannel(empty, key.chNo, QString());
            row = rowOf(image, empty, key.mode, key.group);
            row[frequencyColumn].clear();
        }
        out += row.join(u'\t') + u'\n';
    }
    return out;
}

QList<CsvRecord> tableRecords(const QString& text) {
    const qsizetype firstEnd = text.indexOf(u'\n');
    if (!text.left(firstEnd).contains(u'\t'))
        return parseCsv(text.toUtf8());
    // Spreadsheets put tabs between cells and quote nothing a channel holds.
    QList<CsvRecord> records;
    int number = 0;
    for (QString line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        records.append(CsvRecord{number, line.split(u'\t'), false, line.left(kCsvMaxRawChars)});
    }
    return records;
}

struct ChannelRowReader::Impl {
    RowReader reader;
};

namespace {

// A record kept whole, as the reader of a file would have given it.
CsvRow viewsOf(const CsvRecord& record) {
    CsvRow row{record.number, {}, record.malformed, record.raw};
    row.fields.reserve(record.fields.size());
    for (const QString& field : record.fields)
        row.fields.append(field);
    return row;
}

} // namespace

ChannelRowReader::ChannelRowReader(const QStringList& header, const MemoryImage& image)
    : impl_(std::make_unique<Impl>(Impl{RowReader(header, image)})) {}

ChannelRowReader::~ChannelRowReader() = default;

std::optional<CsvProblem> ChannelRowReader::read(const CsvRecord& record, const ChannelKey& key,
                                                 ChannelRec& out) const {
    return impl_->reader.readFor(viewsOf(record), Place{key.mode, key.group, key.chNo}, out);
}

bool ChannelRowReader::leavesEmpty(const CsvRecord& record) const {
    return impl_->reader.withoutFrequency(viewsOf(record));
}

CsvImportResult channelsFromCsv(const QByteArray& data, MemoryImage& image, ChTable& table) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return channelsFromCsv(buffer, image, table);
}

} // namespace r5k27
