#include "ChannelCsvRows.h"

#include "core/channels/BandLimits.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/Frequency.h"
#include "core/channels/ModeCodec.h"
#include "core/channels/ToneCodec.h"
#include "core/common/NumericText.h"
#include "core/image/MemoryImage.h"
#include "core/lang/CsvCaptions.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <QHash>
#include <cmath>

namespace r5k27::csv {

namespace C = CsvCaptions;
namespace {

constexpr std::array<const char*, 14> kColumnNames{
    "Location",     "Frequency", "Duplex", "Tone",     "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "Mode",      "Skip",   "WorkMode", "Group",     "Channel",   "R5K27Mode"};

bool is(QStringView text, QStringView word) {
    return text.compare(word, Qt::CaseInsensitive) == 0;
}

QString upper(QStringView text) {
    return text.toString().toUpper();
}

// Most fields of a list are short plain numbers and letters; these read those directly and
// leave every other form to the general readers, which copy the text.
std::optional<long long> plainDigits(QStringView text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    long long value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<long long> integerOf(QStringView text) {
    if (const auto plain = plainDigits(text))
        return plain;
    return parseInteger(text.toString());
}

// Tenths of a number given with at most one decimal, rounded as the general reader rounds.
std::optional<long long> tenthsOf(QStringView text) {
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) {
        if (const auto whole = plainDigits(text))
            return *whole * 10;
    } else if (point == text.size() - 2) {
        const auto whole = plainDigits(text.first(point));
        const auto tenth = plainDigits(text.last(1));
        if (whole && tenth)
            return *whole * 10 + *tenth;
    }
    const auto value = parseNumber(text.toString());
    return value ? std::optional<long long>(std::llround(*value * 10)) : std::nullopt;
}

int groupOf(QStringView text) {
    if (text.size() == 1) {
        const char16_t letter = text[0].toUpper().unicode();
        return letter >= u'A' && letter <= u'J' ? letter - u'A' + 1 : 0;
    }
    return groupNumberFromText(upper(text));
}

int channelOf(QStringView text) {
    const bool memory = !text.isEmpty() && (text[0] == u'M' || text[0] == u'm');
    if (const auto number = plainDigits(memory ? text.sliced(1) : text); number && *number < 100)
        return int(*number) + (memory ? kOrdinaryChannels : 0);
    return getChId(upper(text));
}

} // namespace

int referenceMax(const ChannelFieldInfo& f) {
    return f.choice == ChannelChoice::RogerRef ? kToneSeqCount : kDtmfCodeCount;
}

int locationOf(int mode, int group, int chNo) {
    const int base = mode == 0 ? 0 : kHFOffset;
    return chNo > kOrdinaryChannels ? base + kMemBase + chNo - kOrdinaryChannels
                                    : base + (group - 1) * kGroupBlock + chNo;
}

RowReader::RowReader(const QStringList& header, const MemoryImage& image)
    : image_(image) {
    // A name given twice means its last column.
    QHash<QString, int> positions;
    for (qsizetype i = 0; i < header.size(); ++i)
        positions.insert(header[i].trimmed().toLower(), int(i));
    const auto positionOf = [&positions](const char* name) {
        return positions.value(QString::fromLatin1(name).toLower(), -1);
    };
    static_assert(kColumnNames.size() == kColumnCount);
    for (int c = 0; c < kColumnCount; ++c)
        columns_[std::size_t(c)] = positionOf(kColumnNames[std::size_t(c)]);
    for (const ChannelFieldInfo& f : channelFields()) {
        const int position = f.csvColumn ? positionOf(f.csvColumn) : -1;
        if (position >= 0 && isSwitchColumn(f))
            switches_.push_back({&f, position});
        else if (position >= 0 && isReferenceColumn(f))
            references_.push_back({&f, position});
    }
    ownPlace_ = columns_[WorkMode] >= 0 && columns_[Group] >= 0 && columns_[Channel] >= 0;
}

bool RowReader::usable() const {
    return columns_[Frequency] >= 0 && (ownPlace_ || columns_[Location] >= 0);
}

std::optional<CsvProblem> RowReader::read(const CsvRow& row, Place& place, ChannelRec& out) const {
    startRow(row);
    if (auto p = readPlace(place))
        return p;
    return readValues(place, out);
}

std::optional<CsvProblem> RowReader::readFor(const CsvRow& row, const Place& place,
                                             ChannelRec& out) const {
    startRow(row);
    return readValues(place, out);
}

bool RowReader::withoutFrequency(const CsvRow& row) const {
    fields_ = &row.fields;
    return field(Frequency).isEmpty();
}

void RowReader::startRow(const CsvRow& row) const {
    fields_ = &row.fields;
    row_ = row.number;
    change_.reset();
}

QStringView RowReader::fieldAt(int position) const {
    return position >= 0 && position < fields_->size() ? (*fields_)[position].trimmed()
                                                       : QStringView();
}

CsvProblem RowReader::problem(const QString& value, const LocalString& why) const {
    return {row_, value, why};
}

std::optional<CsvProblem> RowReader::readValues(const Place& place, ChannelRec& out) const {
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
    return readOwnColumns(out);
}

std::optional<CsvProblem> RowReader::readPlace(Place& place) const {
    if (ownPlace_) {
        const QStringView workMode = field(WorkMode);
        const int mode = int(is(workMode, u"HF"));
        const bool modeOk = mode == 1 || is(workMode, u"CB");
        const int group = groupOf(field(Group));
        const int chNo = channelOf(field(Channel));
        const bool memory =
            group == kMemGroup && chNo > kOrdinaryChannels && chNo <= kOrdinaryChannels + kMemRows;
        const bool ordinary =
            group >= 1 && group <= kGroupCount && chNo >= 1 && chNo <= kOrdinaryChannels;
        if (!modeOk || !(memory || ordinary))
            return problem(workMode.toString() + u' ' + field(Group).toString() + u' ' +
                               field(Channel).toString(),
                           C::noSuchChannel);
        place = {mode, memory ? 1 : group, chNo};
        return std::nullopt;
    }
    const qint64 l = integerOf(field(Location)).value_or(-1);
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
    return problem(field(Location).toString(), C::locationOutside);
}

std::optional<CsvProblem> RowReader::readFrequency(const Place& place, ChannelRec& out) const {
    const QStringView text = field(Frequency);
    const auto frequency = frequencyInBand(text, place.mode);
    if (!frequency)
        return problem(text.toString(),
                       formatted(C::frequencyOutside, bandTextOfWorkMode(place.mode)));
    // Every digit the list gives is kept: the radio holds 10 Hz steps.
    out.rxFreq.assign(frequency->storedDigitsExact());
    out.txFreq = out.rxFreq;
    return std::nullopt;
}

std::optional<CsvProblem> RowReader::readMode(const Place& place, ChannelRec& out) const {
    static const QStringList modes = allModeTexts();
    if (columns_[Mode] < 0 && columns_[OwnMode] < 0)
        return std::nullopt;
    const bool own = columns_[OwnMode] >= 0 && !field(OwnMode).isEmpty();
    const QStringView text = own ? field(OwnMode) : field(Mode);
    // The common columns know no PA.
    const qsizetype known = own ? modes.size() : kModePA;
    qsizetype code = 0;
    while (code < known && !is(text, modes[code]))
        ++code;
    if (code == known)
        return problem(upper(text), C::modeNotAvailable);
    ModeSwitches switches = image_.optFeat.modeEnable;
    if (place.memory())
        switches[kModePA] = 0; // memory channels are never offered PA
    out.mode = normalizeMode(int(code), switches);
    if (out.mode != code)
        change_ = problem(upper(text), formatted(C::takenAs, modes[out.mode], upper(text)));
    return std::nullopt;
}

std::optional<CsvProblem> RowReader::readTone(ChannelRec& out) const {
    if (columns_[Tone] < 0)
        return std::nullopt;
    const QStringView kind = field(Tone);
    if (kind.isEmpty()) {
        out.decodeTone = 0;
        return std::nullopt;
    }
    if (is(kind, u"TSQL") || is(kind, u"TONE")) {
        const QStringView text = field(is(kind, u"TSQL") ? CToneFreq : RToneFreq);
        const auto tenths = tenthsOf(text);
        for (int n = 1; tenths && n <= kCtcssCount; ++n)
            if (*tenths == ctcssTenthsHz(n)) {
                out.decodeTone = std::int16_t(n);
                return std::nullopt;
            }
        return problem(text.toString(), C::toneNotInList);
    }
    if (is(kind, u"DTCS")) {
        const QStringView polarity = field(DtcsPolarity);
        if (!polarity.isEmpty() && !is(polarity, u"NN"))
            return problem(upper(polarity), C::dcsPolarity);
        const QStringView text = field(DtcsCode);
        const auto code = integerOf(text);
        for (int n = 1; code && n <= kDcsCount; ++n)
            if (*code == dcsOctalDigits(n)) {
                out.decodeTone = std::int16_t(kCtcssCount + n);
                return std::nullopt;
            }
        return problem(text.toString(), C::toneNotInList);
    }
    return problem(kind.toString(), C::toneModeNotAvailable);
}

std::optional<CsvProblem> RowReader::readDuplexAndSkip(ChannelRec& out) const {
    if (columns_[Duplex] >= 0) {
        const QStringView duplex = field(Duplex);
        if (!duplex.isEmpty() && duplex != u"+" && duplex != u"-")
            return problem(duplex.toString(), C::duplexNotAvailable);
        out.repShift = duplex.isEmpty() ? 0 : duplex == u"+" ? 1 : 2;
    }
    if (columns_[Skip] >= 0)
        out.scanAdd = is(field(Skip), u"S") ? 0 : 1;
    return std::nullopt;
}

std::optional<CsvProblem> RowReader::readOwnColumns(ChannelRec& out) const {
    const auto badValue = [this](const FieldColumn& c) {
        const QString column = QString::fromLatin1(c.field->csvColumn);
        return problem(fieldAt(c.position).toString(), formatted(C::valueNotAllowed, column));
    };
    for (const FieldColumn& c : switches_) {
        const QStringView text = fieldAt(c.position);
        const bool on = is(text, u"ON");
        if (!on && !is(text, u"OFF"))
            return badValue(c);
        out.*c.field->number = on ? 1 : 0;
    }
    for (const FieldColumn& c : references_) {
        const QStringView text = fieldAt(c.position);
        const auto n = is(text, u"OFF") ? std::optional<long long>(0) : integerOf(text);
        if (!n || *n < 0 || *n > referenceMax(*c.field))
            return badValue(c);
        out.*c.field->number = std::int16_t(*n);
    }
    return std::nullopt;
}

} // namespace r5k27::csv
