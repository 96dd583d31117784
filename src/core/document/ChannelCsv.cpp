#include "ChannelCsv.h"

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

constexpr int kMemRows = 6;
constexpr int kGroupBlock = 40;
constexpr int kMemBase = 400;     // M1..M6 of a work mode follow its ten groups
constexpr int kHFOffset = 500;    // the HF work mode's locations
constexpr int kFillerCtcss = 885; // what the common layout holds where a channel has no CTCSS
constexpr int kFillerDcs = 23;

const QStringList kCommonColumns = {
    QStringLiteral("Location"),     QStringLiteral("Name"),      QStringLiteral("Frequency"),
    QStringLiteral("Duplex"),       QStringLiteral("Offset"),    QStringLiteral("Tone"),
    QStringLiteral("rToneFreq"),    QStringLiteral("cToneFreq"), QStringLiteral("DtcsCode"),
    QStringLiteral("DtcsPolarity"), QStringLiteral("Mode"),      QStringLiteral("TStep"),
    QStringLiteral("Skip"),         QStringLiteral("Comment")};

// This radio's own columns: its switches, then its references, each in record order.
bool isSwitchColumn(const ChannelFieldInfo& f) {
    return f.csvColumn && f.choice == ChannelChoice::Switch;
}
bool isReferenceColumn(const ChannelFieldInfo& f) {
    return f.csvColumn &&
           (f.choice == ChannelChoice::RogerRef || f.choice == ChannelChoice::DtmfRef);
}
int referenceMax(const ChannelFieldInfo& f) {
    return f.choice == ChannelChoice::RogerRef ? kToneSeqCount : kDtmfCodeCount;
}

const QString kOff = QStringLiteral("OFF");
const QString kOn = QStringLiteral("ON");
const QString kWorkModeTexts[kModeCount] = {QStringLiteral("CB"), QStringLiteral("HF")};

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

int locationOf(int mode, int group, int chNo) {
    const int base = mode == 0 ? 0 : kHFOffset;
    return chNo > kOrdinaryChannels ? base + kMemBase + chNo - kOrdinaryChannels
                                    : base + (group - 1) * kGroupBlock + chNo;
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
                    kWorkModeTexts[mode],
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
    RowReader(const QStringList& header, const MemoryImage& image)
        : image_(image) {
        for (qsizetype i = 0; i < header.size(); ++i)
            columns_.insert(header[i].trimmed().toLower(), int(i));
        ownPlace_ = has("WorkMode") && has("Group") && has("Channel");
    }

    bool usable() const { return has("Frequency") && (ownPlace_ || has("Location")); }
    // What the last row read had changed, if anything.
    const std::optional<CsvProblem>& change() const { return change_; }

    // The record and its place, or the problem that keeps the row out.
    std::optional<CsvProblem> read(const CsvRecord& rec, Place& place, ChannelRec& out) const {
        startRow(rec);
        if (auto p = readPlace(place))
            return p;
        return readValues(place, out);
    }
    // The record for a place of the caller's choice, whatever place the row names.
    std::optional<CsvProblem> readFor(const CsvRecord& rec, const Place& place,
                                      ChannelRec& out) const {
        startRow(rec);
        return readValues(place, out);
    }
    bool withoutFrequency(const CsvRecord& rec) const {
        fields_ = &rec.fields;
        return field("Frequency").isEmpty();
    }

private:
    void startRow(const CsvRecord& rec) const {
        fields_ = &rec.fields;
        row_ = rec.number;
        change_.reset();
    }

    std::optional<CsvProblem> readValues(const Place& place, ChannelRec& out) const {
        // What the list does not say is what a new channel holds: a column it does not have
        // leaves the field table's new-channel value.
        fillNewChannel(out, place.chNo, QString());
        if (auto p = readFrequency(place, out))
            return p;
        if (auto p = readMode(place, out))
            return p;
        if (auto p = readTone(out))
            return p;
        if (auto p = readDuplexAndSkip(out))
            return p;
        return readOwnSwitches(out);
    }

    // The position of a column, -1 when the file has none; looked up once per name.
    int column(const char* name) const {
        const auto known = positions_.find(name);
        if (known != positions_.end())
            return known->second;
        const int i = columns_.value(QString::fromLatin1(name).toLower(), -1);
        positions_.emplace(name, i);
        return i;
    }
    bool has(const char* name) const { return column(name) >= 0; }
    QString field(const char* name) const {
        const int i = column(name);
        return i >= 0 && i < fields_->size() ? (*fields_)[i].trimmed() : QString();
    }
    CsvProblem problem(const QString& value, const LocalString& why) const {
        return {row_, value, why};
    }
    CsvProblem badValue(const char* column) const {
        return problem(field(column), formatted(C::valueNotAllowed, QString::fromLatin1(column)));
    }

    std::optional<CsvProblem> readPlace(Place& place) const {
        if (ownPlace_) {
            const int mode = int(kWorkModeTexts[1] == field("WorkMode").toUpper());
            const bool modeOk = mode == 1 || field("WorkMode").toUpper() == kWorkModeTexts[0];
            const int group = groupNumberFromText(field("Group").toUpper());
            const int chNo = getChId(field("Channel").toUpper());
            const bool memory = group == kMemGroup && chNo > kOrdinaryChannels &&
                                chNo <= kOrdinaryChannels + kMemRows;
            const bool ordinary =
                group >= 1 && group <= kGroupCount && chNo >= 1 && chNo <= kOrdinaryChannels;
            if (!modeOk || !(memory || ordinary))
                return problem(field("WorkMode") + u' ' + field("Group") + u' ' + field("Channel"),
                               C::noSuchChannel);
            place = {mode, memory ? 1 : group, chNo};
            return std::nullopt;
        }
        const auto location = parseInteger(field("Location"));
        const qint64 l = location.value_or(-1);
        const int mode = l > kHFOffset ? 1 : 0;
        const qint64 local = l - (mode == 1 ? kHFOffset : 0);
        if (local >= 1 && local <= kMemBase) {
            place = {mode, int((local - 1) / kGroupBlock) + 1, int((local - 1) % kGroupBlock) + 1};
            return std::nullopt;
        }
        if (local > kMemBase && local <= kMemBase + kMemRows) {
            place = {mode, 1, int(local - kMemBase) + kOrdinaryChannels};
            return std::nullopt;
        }
        return problem(field("Location"), C::locationOutside);
    }

    std::optional<CsvProblem> readFrequency(const Place& place, ChannelRec& out) const {
        const QString text = field("Frequency");
        const auto frequency = frequencyInBand(text, place.mode);
        if (!frequency)
            return problem(text, formatted(C::frequencyOutside, bandTextOfWorkMode(place.mode)));
        // Every digit the list gives is kept: the radio holds 10 Hz steps.
        const QString stored = frequency->storedDigitsExact();
        out.rxFreq.assign(stored);
        out.txFreq.assign(stored);
        return std::nullopt;
    }

    std::optional<CsvProblem> readMode(const Place& place, ChannelRec& out) const {
        if (!has("Mode") && !has("R5K27Mode"))
            return std::nullopt;
        const bool own = has("R5K27Mode") && !field("R5K27Mode").isEmpty();
        const QString text = (own ? field("R5K27Mode") : field("Mode")).toUpper();
        const QStringList known = own ? allModeTexts() : allModeTexts().mid(0, kModePA);
        if (!known.contains(text))
            return problem(text, C::modeNotAvailable);
        ModeSwitches switches = image_.optFeat.modeEnable;
        if (place.memory())
            switches[kModePA] = 0; // memory channels are never offered PA
        out.mode = normalizeMode(modeCodeFromText(text), switches);
        if (out.mode != modeCodeFromText(text)) {
            const QString taken = modeTextFromCode(out.mode);
            change_ = problem(text, formatted(C::takenAs, taken, text));
        }
        return std::nullopt;
    }

    std::optional<CsvProblem> readTone(ChannelRec& out) const {
        if (!has("Tone"))
            return std::nullopt;
        const QString kind = field("Tone").toUpper();
        if (kind.isEmpty()) {
            out.decodeTone = 0;
            return std::nullopt;
        }
        if (kind == u"TSQL" || kind == u"TONE") {
            const QString text = field(kind == u"TSQL" ? "cToneFreq" : "rToneFreq");
            const auto hz = parseNumber(text);
            for (int n = 1; hz && n <= kCtcssCount; ++n)
                if (std::llround(*hz * 10) == ctcssTenthsHz(n)) {
                    out.decodeTone = std::int16_t(n);
                    return std::nullopt;
                }
            return toneNotInList(text);
        }
        if (kind == u"DTCS") {
            const QString polarity = field("DtcsPolarity").toUpper();
            if (!polarity.isEmpty() && polarity != u"NN")
                return problem(polarity, C::dcsPolarity);
            const QString text = field("DtcsCode");
            const auto code = parseInteger(text);
            for (int n = 1; code && n <= kDcsCount; ++n)
                if (*code == dcsOctalDigits(n)) {
                    out.decodeTone = std::int16_t(kCtcssCount + n);
                    return std::nullopt;
                }
            return toneNotInList(text);
        }
        return problem(field("Tone"), C::toneModeNotAvailable);
    }
    CsvProblem toneNotInList(const QString& text) const { return problem(text, C::toneNotInList); }

    std::optional<CsvProblem> readDuplexAndSkip(ChannelRec& out) const {
        if (has("Duplex")) {
            const QString duplex = field("Duplex");
            if (!duplex.isEmpty() && duplex != u"+" && duplex != u"-")
                return problem(duplex, C::duplexNotAvailable);
            out.repShift = duplex.isEmpty() ? 0 : duplex == u"+" ? 1 : 2;
        }
        if (has("Skip"))
            out.scanAdd = field("Skip").toUpper() == u"S" ? 0 : 1;
        return std::nullopt;
    }

    std::optional<CsvProblem> readOwnSwitches(ChannelRec& out) const {
        for (const ChannelFieldInfo& f : channelFields()) {
            if (!isSwitchColumn(f) || !has(f.csvColumn))
                continue;
            const QString text = field(f.csvColumn).toUpper();
            if (text != kOn && text != kOff)
                return badValue(f.csvColumn);
            out.*f.number = text == kOn ? 1 : 0;
        }
        for (const ChannelFieldInfo& f : channelFields()) {
            if (!isReferenceColumn(f) || !has(f.csvColumn))
                continue;
            const QString text = field(f.csvColumn).toUpper();
            const auto n = text == kOff ? std::optional<long long>(0) : parseInteger(text);
            if (!n || *n < 0 || *n > referenceMax(f))
                return badValue(f.csvColumn);
            out.*f.number = std::int16_t(*n);
        }
        return std::nullopt;
    }

    const MemoryImage& image_;
    QHash<QString, int> columns_;
    mutable std::unordered_map<const char*, int> positions_;
    bool ownPlace_ = false;
    mutable const QStringList* fields_ = nullptr;
    mutable int row_ = 0;
    mutable std::optional<CsvProblem> change_;
};

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
    while (const std::optional<CsvRecord> next = records.next()) {
        const CsvRecord& rec = *next;
        if (rec.malformed || rec.fields.size() != head->fields.size()) {
            note(result.problems, result.problemCount,
                 CsvProblem{rec.number, rec.raw, C::malformedLine});
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

ChannelRowReader::ChannelRowReader(const QStringList& header, const MemoryImage& image)
    : impl_(std::make_unique<Impl>(Impl{RowReader(header, image)})) {}

ChannelRowReader::~ChannelRowReader() = default;

std::optional<CsvProblem> ChannelRowReader::read(const CsvRecord& record, const ChannelKey& key,
                                                 ChannelRec& out) const {
    return impl_->reader.readFor(record, Place{key.mode, key.group, key.chNo}, out);
}

bool ChannelRowReader::leavesEmpty(const CsvRecord& record) const {
    return impl_->reader.withoutFrequency(record);
}

CsvImportResult channelsFromCsv(const QByteArray& data, MemoryImage& image, ChTable& table) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return channelsFromCsv(buffer, image, table);
}

} // namespace r5k27
