#include "DocumentModel.h"

#include "ChannelValueRules.h"
#include "core/channels/BandLimits.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/FrequencyCodec.h"
#include "core/channels/GroupSettings.h"
#include "core/options/ModeEnable.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"
#include "core/signalling/ToneEditing.h"

namespace r5k27 {
namespace {

using Kind = DocumentChange::Kind;

DocumentChange changeOf(Kind kind, int mode = -1, int group = 0, int chNo = 0, int item = -1) {
    DocumentChange change;
    change.kind = kind;
    change.mode = mode;
    change.group = group;
    change.chNo = chNo;
    change.item = item;
    return change;
}

// "A12" for an ordinary channel, "M3" for a memory channel.
QString channelLabel(const ChannelKey& key) {
    return key.chNo > kOrdinaryChannels
               ? getChName(key.chNo)
               : groupTextFromNumber(key.group) + QString::number(key.chNo);
}

Refusal outOfBand(const ChannelKey& key) {
    const QString where = channelLabel(key) + QStringLiteral(": ") + bandTextOfWorkMode(key.mode);
    Refusal refusal = kFreqOutOfRangeText;
    for (QString& text : refusal.texts)
        text += u'\n' + where;
    return refusal;
}

// Whether a frequency given to a channel changed anything.
bool changesDocument(EntryEffect effect) {
    return effect != EntryEffect::Unchanged && effect != EntryEffect::KeptLastChannel;
}

bool addsOrRemoves(EntryEffect effect) {
    return effect == EntryEffect::Added || effect == EntryEffect::Deleted ||
           effect == EntryEffect::GroupSwitchedOff;
}

// The records of keys (nothing where there is no channel), to tell afterwards which ones a
// many-channel edit changed.
using Records = std::vector<std::optional<ChannelRec>>;
Records recordsOf(const Document& doc, const QList<ChannelKey>& keys) {
    Records records;
    for (const ChannelKey& key : keys) {
        const int slot = findChannel(doc.curImage, doc.chTable, key);
        records.push_back(slot ? std::optional(doc.chTable.at({key.mode, key.group, slot}))
                               : std::nullopt);
    }
    return records;
}

// The event names the first channel the edit added, removed or changed, so that undo brings
// into view a channel that did change, not merely the first one asked for.
void nameFirstChanged(DocumentChange& change, const Document& doc, const QList<ChannelKey>& keys,
                      const Records& before) {
    const Records after = recordsOf(doc, keys);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i]) {
            const ChannelKey& key = keys[qsizetype(i)];
            change.mode = key.mode;
            change.group = key.group;
            change.chNo = key.chNo;
            return;
        }
    }
}

} // namespace

DocumentModel::DocumentModel(Document& doc, DocumentEvents& events, QObject* parent)
    : QObject(parent)
    , doc_(doc)
    , events_(events)
    , history_(doc, events) {}

template <class Apply>
bool DocumentModel::edit(const EditName& name, DocumentChange change, Apply&& apply,
                         const QString& mergeKey) {
    // Windows showing a restored state ask for nothing; if one did, it would be no user change.
    if (history_.restoring() || !apply(change))
        return false;
    if (!history_.record(name, mergeKey, change))
        return false;
    emit events_.changed(change);
    return true;
}

ChannelRec* DocumentModel::findRecord(const ChannelKey& key) {
    const int slot = findChannel(doc_.curImage, doc_.chTable, key);
    return slot ? &doc_.chTable.at({key.mode, key.group, slot}) : nullptr;
}

const ChannelRec* DocumentModel::channel(const ChannelKey& key) const {
    const int slot = findChannel(doc_.curImage, doc_.chTable, key);
    return slot ? &doc_.chTable.at({key.mode, key.group, slot}) : nullptr;
}

// --- channels -----------------------------------------------------------------------------

std::optional<Refusal> DocumentModel::setFrequency(const ChannelKey& key, const QString& typed,
                                                   const EditName& name) {
    if (typed.trimmed().isEmpty()) {
        clearChannel(key, name);
        return std::nullopt;
    }
    const std::optional<Frequency> frequency = frequencyInBand(typed, key.mode);
    if (!frequency)
        return outOfBand(key);
    edit(name, changeOf(Kind::Channel, key.mode, key.group, key.chNo, int(ChannelField::RxFreq)),
         [&](DocumentChange& change) {
             const EntryEffect effect =
                 enterFrequency(doc_.curImage, doc_.chTable, key, *frequency);
             if (effect == EntryEffect::Added)
                 change.kind = Kind::ChannelSet;
             return effect != EntryEffect::Unchanged;
         });
    return std::nullopt;
}

bool DocumentModel::clearChannel(const ChannelKey& key, const EditName& name) {
    return edit(
        name, changeOf(Kind::ChannelSet, key.mode, key.group, key.chNo), [&](DocumentChange&) {
            return changesDocument(enterFrequency(doc_.curImage, doc_.chTable, key, std::nullopt));
        });
}

bool DocumentModel::setChannelValue(const ChannelKey& key, ChannelField field, int value,
                                    const EditName& name) {
    ChannelRec* rec = findRecord(key);
    if (!rec || channelValue(*rec, field) == value ||
        !isAllowedChannelValue(doc_.curImage, key, field, value))
        return false;
    return edit(name, changeOf(Kind::Channel, key.mode, key.group, key.chNo, int(field)),
                [&](DocumentChange&) {
                    r5k27::setChannelValue(*rec, field, value);
                    return true;
                });
}

// --- many channels at once ---------------------------------------------------------------

int DocumentModel::setChannelValues(const QList<ChannelKey>& keys, ChannelField field, int value,
                                    const EditName& name) {
    QList<ChannelValue> values;
    for (const ChannelKey& key : keys)
        values.append({key, value});
    return setChannelValues(values, field, name);
}

int DocumentModel::setChannelValues(const QList<ChannelValue>& values, ChannelField field,
                                    const EditName& name) {
    std::vector<std::pair<ChannelRec*, int>> records;
    std::optional<ChannelKey> first;
    for (const auto& [key, value] : values) {
        ChannelRec* rec = findRecord(key);
        if (!rec || channelValue(*rec, field) == value || ignoredByRadio(*rec, field) ||
            !isAllowedChannelValue(doc_.curImage, key, field, value))
            continue;
        records.emplace_back(rec, value);
        if (!first)
            first = key;
    }
    if (records.empty())
        return 0;
    const bool done =
        edit(name, changeOf(Kind::Channel, first->mode, first->group, first->chNo, int(field)),
             [&](DocumentChange&) {
                 for (const auto& [rec, value] : records)
                     r5k27::setChannelValue(*rec, field, value);
                 return true;
             });
    return done ? int(records.size()) : 0;
}

int DocumentModel::clearChannels(const QList<ChannelKey>& keys, const EditName& name) {
    if (keys.isEmpty())
        return 0;
    int removed = 0;
    const Records before = recordsOf(doc_, keys);
    edit(name, changeOf(Kind::ChannelSet), [&](DocumentChange& change) {
        for (const ChannelKey& key : keys) {
            const EntryEffect effect =
                enterFrequency(doc_.curImage, doc_.chTable, key, std::nullopt);
            if (effect == EntryEffect::Deleted || effect == EntryEffect::GroupSwitchedOff)
                ++removed;
        }
        nameFirstChanged(change, doc_, keys, before);
        return removed > 0;
    });
    return removed;
}

QList<std::pair<ChannelKey, Refusal>>
DocumentModel::setFrequencies(const QList<FrequencyEntry>& entries, const EditName& name) {
    QList<std::pair<ChannelKey, Refusal>> refused;
    std::vector<std::pair<ChannelKey, std::optional<Frequency>>> checked;
    for (const auto& [key, typed] : entries) {
        if (typed.trimmed().isEmpty()) {
            checked.emplace_back(key, std::nullopt);
            continue;
        }
        if (const auto frequency = frequencyInBand(typed, key.mode))
            checked.emplace_back(key, frequency);
        else
            refused.append({key, outOfBand(key)});
    }
    if (checked.empty())
        return refused;
    QList<ChannelKey> keys;
    for (const auto& entry : checked)
        keys << entry.first;
    const Records before = recordsOf(doc_, keys);
    edit(name, changeOf(Kind::Channel, -1, 0, 0, int(ChannelField::RxFreq)),
         [&](DocumentChange& change) {
             bool changed = false;
             for (const auto& [key, frequency] : checked) {
                 const EntryEffect effect =
                     enterFrequency(doc_.curImage, doc_.chTable, key, frequency);
                 changed |= changesDocument(effect);
                 if (addsOrRemoves(effect))
                     change.kind = Kind::ChannelSet;
             }
             nameFirstChanged(change, doc_, keys, before);
             return changed;
         });
    return refused;
}

ChannelPasteResult DocumentModel::pasteChannels(const QString& text,
                                                const QList<ChannelKey>& targets,
                                                const EditName& name) {
    ChannelPasteResult result;
    if (targets.isEmpty())
        return result;
    const Records before = recordsOf(doc_, targets);
    edit(name, changeOf(Kind::ChannelSet), [&](DocumentChange& change) {
        result = pasteChannelRows(text, targets, doc_.curImage, doc_.chTable);
        nameFirstChanged(change, doc_, targets, before);
        return result.taken > 0;
    });
    return result;
}

// --- groups and the work mode -------------------------------------------------------------

bool DocumentModel::setGroupValid(int mode, int group, bool on, const EditName& name) {
    if (!isEditableGroup(mode, group) || (doc_.curImage.optFeat.groupValid(mode, group) == 1) == on)
        return false;
    bool refused = false;
    edit(name, changeOf(Kind::Group, mode, group), [&](DocumentChange&) {
        refused = !r5k27::setGroupValid(doc_.curImage, doc_.chTable, mode, group, on);
        return !refused;
    });
    return !refused;
}

bool DocumentModel::setGroupReference(int mode, int group, GroupReference which, int chNo,
                                      const EditName& name) {
    if (!isEditableGroup(mode, group))
        return false;
    OptFeatRec& opt = doc_.curImage.optFeat;
    std::int16_t& value = which == GroupReference::Emergency1   ? opt.emergencyCh(mode, group, 0)
                          : which == GroupReference::Emergency2 ? opt.emergencyCh(mode, group, 1)
                          : which == GroupReference::DualWatch1 ? opt.dwCh(mode, group, 0)
                                                                : opt.dwCh(mode, group, 1);
    if (value == chNo || findChannel(doc_.curImage, doc_.chTable, {mode, group, chNo}) == 0)
        return false;
    return edit(name, changeOf(Kind::Group, mode, group), [&](DocumentChange&) {
        value = std::int16_t(chNo);
        return true;
    });
}

bool DocumentModel::setGroupName(int mode, int group, const QString& text, const EditName& name,
                                 const QString& mergeKey) {
    if (!isEditableGroup(mode, group) || !isSingleByteText(text))
        return false;
    return edit(
        name, changeOf(Kind::Group, mode, group),
        [&](DocumentChange&) {
            r5k27::setGroupName(doc_.curImage, mode, group, text);
            return true;
        },
        mergeKey);
}

bool DocumentModel::setWorkGroup(int mode, int group, const EditName& name) {
    if (!isEditableGroup(mode, group) || doc_.curImage.optFeat.groupValid(mode, group) != 1)
        return false;
    return edit(name, changeOf(Kind::Group, mode, group), [&](DocumentChange&) {
        doc_.curImage.optFeat.workGroup[std::size_t(mode)] = std::int16_t(group);
        return true;
    });
}

bool DocumentModel::setWorkMode(int mode, const EditName& name) {
    if (mode < 0 || mode >= kModeCount || doc_.curImage.workMode == mode)
        return false;
    return edit(name, changeOf(Kind::WorkMode, mode), [&](DocumentChange&) {
        r5k27::setWorkMode(doc_.curImage, mode);
        return true;
    });
}

void DocumentModel::setShownGroup(int mode, int group) {
    if (mode >= 0 && mode < kModeCount && group >= 1 && group <= kMemGroup)
        doc_.curImage.curGroup[std::size_t(mode)] = std::int16_t(group);
}

void DocumentModel::setShownRow(int mode, int group, int row) {
    if (mode >= 0 && mode < kModeCount && group >= 1 && group <= kMemGroup)
        doc_.curImage.groupWorkCh(mode, group) = std::int16_t(row);
}

// --- options ------------------------------------------------------------------------------

QString DocumentModel::setOptionFromText(OptionId id, const QString& text, Language lang,
                                         const EditName& name, const QString& mergeKey) {
    QString shown;
    edit(
        name, changeOf(Kind::Option, -1, 0, 0, int(id)),
        [&](DocumentChange&) {
            shown = r5k27::setOptionFromText(doc_.curImage, id, text, lang);
            return true;
        },
        mergeKey);
    return shown;
}

bool DocumentModel::setOptionTicked(OptionId id, bool ticked, const EditName& name) {
    return edit(name, changeOf(Kind::Option, -1, 0, 0, int(id)), [&](DocumentChange&) {
        r5k27::setOptionTicked(doc_.curImage, id, ticked);
        return true;
    });
}

bool DocumentModel::setModeEnable(int mode, bool on, const EditName& name) {
    bool refused = false;
    DocumentChange change = changeOf(Kind::Option, -1, 0, 0, int(OptionId::FmEnable) + mode);
    change.modesNormalized = true;
    edit(name, change, [&](DocumentChange&) {
        refused = !r5k27::setModeEnable(doc_.curImage, doc_.chTable, mode, on);
        return !refused;
    });
    return !refused;
}

BatteryTexts DocumentModel::setBattery(const QString& lower, const QString& upper,
                                       const EditName& name, const QString& mergeKey) {
    BatteryTexts shown;
    edit(
        name, changeOf(Kind::Option, -1, 0, 0, int(OptionId::BattMin)),
        [&](DocumentChange&) {
            shown = setBatteryFromTexts(doc_.curImage, lower, upper);
            return true;
        },
        mergeKey);
    return shown;
}

QString DocumentModel::setRssiPoint(int k, const QString& text, const EditName& name,
                                    const QString& mergeKey) {
    QString shown;
    edit(
        name, changeOf(Kind::Option),
        [&](DocumentChange&) {
            shown = setRssiPointFromText(doc_.curImage, k, text);
            return true;
        },
        mergeKey);
    return shown;
}

// --- DTMF and roger beep ------------------------------------------------------------------

bool DocumentModel::setDtmfCode(int n, const QString& text, const EditName& name,
                                const QString& mergeKey) {
    // Leaving a code as it was must not count as a change of the document.
    if (dtmfCodeText(doc_.curImage, n) == cleanFixedText(text))
        return false;
    DocumentChange change = changeOf(Kind::Dtmf, -1, 0, 0, n);
    change.dtmfReferences = true;
    return edit(
        name, change,
        [&](DocumentChange&) {
            storeDtmfCode(doc_.curImage, n, text);
            setDtmfList(doc_.curImage, doc_.chTable);
            return true;
        },
        mergeKey);
}

bool DocumentModel::setDtmfTiming(DtmfTiming timing, int index, Language lang,
                                  const EditName& name) {
    return edit(name, changeOf(Kind::Dtmf, -1, 0, 0, 0), [&](DocumentChange&) {
        setDtmfTimingIndex(doc_.curImage, timing, index, lang);
        return true;
    });
}

bool DocumentModel::setDtmfDisplay(bool on, const EditName& name) {
    return edit(name, changeOf(Kind::Dtmf, -1, 0, 0, 0), [&](DocumentChange&) {
        setDtmfDisplayOn(doc_.curImage, on);
        return true;
    });
}

bool DocumentModel::setRogerRepeatCount(int t, int count, const EditName& name) {
    bool refused = false;
    DocumentChange change = changeOf(Kind::RogerBeep, -1, 0, 0, t);
    change.rogerReferences = true;
    edit(name, change, [&](DocumentChange&) {
        refused = !setRepeatCount(doc_.curImage, t, count);
        if (!refused)
            recheckRogerTones(doc_.curImage, doc_.chTable);
        return !refused;
    });
    return !refused;
}

bool DocumentModel::setRogerInterTime(int t, int index, const EditName& name) {
    if (t < 1 || t > kToneSeqCount)
        return false;
    return edit(name, changeOf(Kind::RogerBeep, -1, 0, 0, t), [&](DocumentChange&) {
        doc_.curImage.rbTone.tone(t).interTime = std::int16_t(index);
        return true;
    });
}

bool DocumentModel::setRogerStepFrequency(int t, int step, int code, const EditName& name) {
    if (t < 1 || t > kToneSeqCount || step < 1 || step > kToneStepCount)
        return false;
    // The stored code chosen again (a code shown as itself) is no change.
    return edit(name, changeOf(Kind::RogerBeep, -1, 0, 0, t), [&](DocumentChange&) {
        std::int16_t& stored = doc_.curImage.rbTone.tone(t).steps[std::size_t(step - 1)].freqCode;
        if (stored == code)
            return false;
        stored = std::int16_t(code);
        return true;
    });
}

bool DocumentModel::setRogerStepLength(int t, int step, int durCode, const EditName& name) {
    bool refused = false;
    DocumentChange change = changeOf(Kind::RogerBeep, -1, 0, 0, t);
    change.rogerReferences = true;
    edit(name, change, [&](DocumentChange&) {
        refused = !setStepLength(doc_.curImage, t, step, durCode);
        if (!refused)
            recheckRogerTones(doc_.curImage, doc_.chTable);
        return !refused;
    });
    return !refused;
}

// --- the whole document -------------------------------------------------------------------

CsvImportResult DocumentModel::importChannels(QIODevice& csv, const EditName& name) {
    CsvImportResult result;
    edit(name, DocumentChange{}, [&](DocumentChange&) {
        result = channelsFromCsv(csv, doc_.curImage, doc_.chTable);
        return result.taken > 0;
    });
    return result;
}

bool DocumentModel::takeValues(const MemoryImage& image, const ChTable& table,
                               const EditName& name) {
    return edit(name, DocumentChange{}, [&](DocumentChange&) {
        doc_.curImage = image;
        doc_.chTable = table;
        return true;
    });
}

void DocumentModel::documentReplaced() {
    history_.reset();
    emit events_.changed(DocumentChange{});
}

} // namespace r5k27
