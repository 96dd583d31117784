#pragma once

#include "ChannelCsv.h"
#include "ChannelPaste.h"
#include "Document.h"
#include "EditHistory.h"
#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelTable.h"
#include "core/common/DocumentEvents.h"
#include "core/lang/Language.h"
#include "core/options/DtmfSettings.h"
#include "core/options/OptionText.h"
#include "core/options/OptionValues.h"

#include <QObject>
#include <optional>

namespace r5k27 {

// Why an edit was refused, in both languages.
using Refusal = LocalString;

// The group settings that name a channel of the group.
enum class GroupReference { Emergency1, Emergency2, DualWatch1, DualWatch2 };

// The only code that changes the document. Each call is one user change: it checks the value,
// applies the rules that follow from it, records one undo step under the given name and emits
// one DocumentEvents::changed saying what changed. A call that changes nothing records no step
// and emits nothing. Windows read the document through document() and redraw from the events.
class DocumentModel : public QObject {
    Q_OBJECT
public:
    DocumentModel(Document& doc, DocumentEvents& events, QObject* parent = nullptr);

    const Document& document() const { return doc_; }
    const MemoryImage& image() const { return doc_.curImage; }
    const ChTable& table() const { return doc_.chTable; }
    // 0 (CB) or 1 (HF); any other stored value reads as HF.
    int workMode() const { return doc_.curImage.workMode == 0 ? 0 : 1; }
    // The channel's record, or null when the document has no such channel.
    const ChannelRec* channel(const ChannelKey& key) const;
    EditHistory& history() { return history_; }

    // --- channels -------------------------------------------------------------------------
    // A frequency typed for a channel. Empty text removes the channel (as clearChannel); text
    // that is no number or lies outside the band is refused and nothing changes.
    std::optional<Refusal> setFrequency(const ChannelKey& key, const QString& typed,
                                        const EditName& name);
    // Removes a channel, under the rule that keeps the last channel of the last valid group.
    bool clearChannel(const ChannelKey& key, const EditName& name);
    bool setChannelValue(const ChannelKey& key, ChannelField field, int value,
                         const EditName& name);

    // --- many channels at once (the channel list): each call is one step -----------------
    // One field of every channel of keys. Channels that do not exist, cannot take the value
    // (see isAllowedChannelValue) or are public where the radio ignores the field keep theirs.
    // The number of channels changed.
    int setChannelValues(const QList<ChannelKey>& keys, ChannelField field, int value,
                         const EditName& name);
    // The same with a value of its own for each channel (a column of values pasted).
    using ChannelValue = std::pair<ChannelKey, int>;
    int setChannelValues(const QList<ChannelValue>& values, ChannelField field,
                         const EditName& name);
    // Removes every channel of keys; the rule that keeps the last channel still holds. The
    // number of channels removed.
    int clearChannels(const QList<ChannelKey>& keys, const EditName& name);
    // A frequency typed for each of many channels (empty text removes the channel). Entries
    // refused as setFrequency refuses them change nothing and come back with their channel.
    using FrequencyEntry = std::pair<ChannelKey, QString>;
    QList<std::pair<ChannelKey, Refusal>> setFrequencies(const QList<FrequencyEntry>& entries,
                                                         const EditName& name);
    // Rows of a pasted table onto targets (see pasteChannelRows).
    ChannelPasteResult pasteChannels(const QString& text, const QList<ChannelKey>& targets,
                                     const EditName& name);

    // --- groups and the work mode ---------------------------------------------------------
    // Switching off the only group in use is refused (false).
    bool setGroupValid(int mode, int group, bool on, const EditName& name);
    bool setGroupReference(int mode, int group, GroupReference which, int chNo,
                           const EditName& name);
    bool setGroupName(int mode, int group, const QString& text, const EditName& name,
                      const QString& mergeKey);
    bool setWorkGroup(int mode, int group, const EditName& name);
    bool setWorkMode(int mode, const EditName& name);
    // What the channel window showed last (kept in the document, but no change of it).
    void setShownGroup(int mode, int group);
    void setShownRow(int mode, int group, int row);

    // --- options --------------------------------------------------------------------------
    // These return what the field shows afterwards, as the OptionText functions do.
    QString setOptionFromText(OptionId id, const QString& text, Language lang, const EditName& name,
                              const QString& mergeKey = {});
    bool setOptionTicked(OptionId id, bool ticked, const EditName& name);
    // Switching off the last of FM, AM, USB and LSB is refused (false).
    bool setModeEnable(int mode, bool on, const EditName& name);
    BatteryTexts setBattery(const QString& lower, const QString& upper, const EditName& name,
                            const QString& mergeKey);
    QString setRssiPoint(int k, const QString& text, const EditName& name, const QString& mergeKey);

    // --- DTMF and roger beep --------------------------------------------------------------
    bool setDtmfCode(int n, const QString& text, const EditName& name, const QString& mergeKey);
    bool setDtmfTiming(DtmfTiming timing, int index, Language lang, const EditName& name);
    bool setDtmfDisplay(bool on, const EditName& name);
    // The refusals keep at least one playable sequence (false, nothing stored).
    bool setRogerRepeatCount(int t, int count, const EditName& name);
    bool setRogerInterTime(int t, int index, const EditName& name);
    bool setRogerStepFrequency(int t, int step, int code, const EditName& name);
    bool setRogerStepLength(int t, int step, int durCode, const EditName& name);

    // --- the whole document ---------------------------------------------------------------
    CsvImportResult importChannels(QIODevice& csv, const EditName& name);
    // Every value of another document (a radio read, a radio or a data file compared) as one
    // step, so the document it replaced can be had back.
    bool takeValues(const MemoryImage& image, const ChTable& table, const EditName& name);
    // The document was replaced (new, open, initial setting): nothing to undo.
    void documentReplaced();
    bool undo() { return history_.undo(); }
    bool redo() { return history_.redo(); }
    void endEdit() { history_.endMerge(); }

private:
    // Runs apply (false: refused, nothing may have changed), then records and announces.
    template <class Apply>
    bool edit(const EditName& name, DocumentChange change, Apply&& apply,
              const QString& mergeKey = {});
    ChannelRec* findRecord(const ChannelKey& key);

    Document& doc_;
    DocumentEvents& events_;
    EditHistory history_;
};

} // namespace r5k27
