#include "core/channels/ModeCodec.h"
#include "core/document/DataFileLayout.h"
#include "core/document/DocumentModel.h"
#include "core/document/InitialValues.h"
#include "core/signalling/DtmfReferences.h"
#include "core/signalling/RogerTones.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

using F = ChannelField;
using Ref = GroupReference;
using Keys = QList<ChannelKey>;
using Entries = QList<DocumentModel::FrequencyEntry>;

// The document every row starts from, in the CB work mode: group A holds channels 1..5 at
// 27.0100 .. 27.0500 and its memory channels; group B only channel 1; every other group its
// default channel; DTMF codes 1 and 2 exist; A3 is a public channel.
struct Fixture {
    Fixture() {
        AppSettings settings;
        writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 5));
        for (int chNo = 1; chNo <= 5; ++chNo)
            enterFrequency(doc.curImage, doc.chTable, {0, 1, chNo},
                           Frequency::parse(QStringLiteral("27.0%10").arg(chNo)));
        enterFrequency(doc.curImage, doc.chTable, {0, 2, 1}, Frequency::parse(u"27.2"));
        storeDtmfCode(doc.curImage, 1, QStringLiteral("123"));
        storeDtmfCode(doc.curImage, 2, QStringLiteral("456"));
        rec(0, 1, 3).publicCh = 1;
        doc.curImage.optFeat.workCh(0, 1) = 1;
        doc.curImage.optFeat.workGroup[0] = 1;
    }
    ChannelRec& rec(int mode, int group, int chNo) {
        return doc.chTable.at(
            {mode, group, findChannel(doc.curImage, doc.chTable, {mode, group, chNo})});
    }
    OptFeatRec& opt() { return doc.curImage.optFeat; }
    // Every group of the work mode off but group B, which then holds the last ordinary channel.
    void onlyGroupB() {
        for (int group = 1; group <= kGroupCount; ++group)
            opt().groupValid(0, group) = group == 2 ? 1 : 0;
        opt().workGroup[0] = 2;
    }
    // Echo on for the channels A1..A5 but those named.
    void echoOnBut(std::initializer_list<int> off) {
        for (int chNo = 1; chNo <= 5; ++chNo)
            rec(0, 1, chNo).echo = std::find(off.begin(), off.end(), chNo) == off.end() ? 1 : 0;
    }

    Document doc;
    DocumentEvents events;
    DocumentModel model{doc, events};
};

QString shown(bool b) {
    return b ? QStringLiteral("true") : QStringLiteral("false");
}
QString shown(int n) {
    return QString::number(n);
}
QString shown(const std::optional<Refusal>& r) {
    return r ? QStringLiteral("refused") : QStringLiteral("taken");
}
QString shown(const QList<std::pair<ChannelKey, Refusal>>& refused) {
    QStringList keys;
    for (const auto& [key, why] : refused)
        keys << QStringLiteral("refused %1/%2").arg(key.group).arg(key.chNo);
    return keys.isEmpty() ? QStringLiteral("none refused") : keys.join(u' ');
}
QString shown(const ChannelPasteResult& r) {
    return QStringLiteral("taken %1 refused %2").arg(r.taken).arg(r.refused.size());
}
QString shown(const CsvImportResult& r) {
    return QStringLiteral("taken %1 problems %2").arg(r.taken).arg(r.problemCount);
}
QString shown(const BatteryTexts& t) {
    return t.lower + u'/' + t.upper;
}
QString shown(const QString& text) {
    return text;
}

QString eventText(const DocumentChange& c) {
    static const char* const kinds[] = {"Whole", "WorkMode", "Channel", "ChannelSet",
                                        "Group", "Option",   "Dtmf",    "RogerBeep"};
    QString flags = QString(c.dtmfReferences ? "d" : "") + (c.rogerReferences ? "r" : "") +
                    (c.modesNormalized ? "m" : "");
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(QLatin1String(kinds[int(c.kind)]))
        .arg(c.mode)
        .arg(c.group)
        .arg(c.chNo)
        .arg(c.item)
        .arg(flags.isEmpty() ? QStringLiteral("-") : flags);
}

// What undo and redo must give back: the record's and the table's bytes.
QByteArray bytesOf(const Document& doc) {
    QByteArray out = serializeImage(doc.curImage);
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int slot = 1; slot <= kSlotCount; ++slot)
                out += serializeChannel(doc.chTable.at({mode, group, slot}));
    return out;
}

enum class Step { None, One, ViewOnly };

// One call in one situation. `run` makes the call under the name it is given and shows what
// it returned; `probe`, when given, shows the knock-on state the situation is about.
struct Row {
    const char* call;
    const char* situation;
    std::function<void(Fixture&)> prepare;
    std::function<QString(DocumentModel&, const EditName&)> run;
    QString result;
    QString event; // empty: no event
    Step step;
    std::function<QString(Fixture&)> probe = {};
    QString probed = {};
};

const auto kNothing = [](Fixture&) {};
const auto kGroupOfB = [](Fixture& f) {
    return QStringLiteral("B %1 work group %2")
        .arg(f.opt().groupValid(0, 2) ? "on" : "off")
        .arg(f.opt().workGroup[0]);
};
const auto kWorkChOfA = [](Fixture& f) {
    return QStringLiteral("work A%1").arg(f.opt().workCh(0, 1));
};
QString csvOf(const char* rows) {
    return QStringLiteral("WorkMode,Group,Channel,Frequency,R5K27Mode\n") + QLatin1String(rows);
}
CsvImportResult importText(DocumentModel& m, const QString& text, const EditName& n) {
    QByteArray data = text.toUtf8();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return m.importChannels(buffer, n);
}
MemoryImage imageWithTot(const Document& doc, int tot) {
    MemoryImage image = doc.curImage;
    image.optFeat.tot = std::int16_t(tot);
    return image;
}

#define CALL(expr) [](DocumentModel& m, const EditName& n) { return shown(expr); }
#define PREP(...) [](Fixture& f) { __VA_ARGS__; }

// clang-format off
const Row kRows[] = {
    // --- one channel's frequency ---------------------------------------------------------
    {"setFrequency", "the frequency it has", kNothing, CALL(m.setFrequency({0, 1, 1}, "27.01", n)), "taken", "", Step::None},
    {"setFrequency", "channel changed", kNothing, CALL(m.setFrequency({0, 1, 1}, "27.015", n)), "taken", "Channel 0 1 1 3 -", Step::One},
    {"setFrequency", "channel added", kNothing, CALL(m.setFrequency({0, 1, 10}, " 27.1 ", n)), "taken", "ChannelSet 0 1 10 3 -", Step::One},
    {"setFrequency", "memory channel added", PREP(enterFrequency(f.doc.curImage, f.doc.chTable, {0, 1, 42}, std::nullopt)), CALL(m.setFrequency({0, 1, 42}, "27.1", n)), "taken", "ChannelSet 0 1 42 3 -", Step::One},
    {"setFrequency", "empty text deletes", kNothing, CALL(m.setFrequency({0, 1, 2}, " ", n)), "taken", "ChannelSet 0 1 2 -1 -", Step::One},
    {"setFrequency", "out of band", kNothing, CALL(m.setFrequency({0, 1, 1}, "30.1051", n)), "refused", "", Step::None},
    {"setFrequency", "no number", kNothing, CALL(m.setFrequency({0, 1, 1}, "27,1", n)), "refused", "", Step::None},
    {"setFrequency", "stored digits no number", PREP(f.rec(0, 1, 4).rxFreq.assign("27A40000")), CALL(m.setFrequency({0, 1, 4}, "27.04", n)), "taken", "Channel 0 1 4 3 -", Step::One},
    {"setFrequency", "last channel kept", PREP(f.onlyGroupB()), CALL(m.setFrequency({0, 2, 1}, "", n)), "taken", "", Step::None},
    // --- clearing one channel ----------------------------------------------------------
    {"clearChannel", "channel deleted", kNothing, CALL(m.clearChannel({0, 1, 2}, n)), "true", "ChannelSet 0 1 2 -1 -", Step::One},
    {"clearChannel", "no such channel", kNothing, CALL(m.clearChannel({0, 1, 20}, n)), "false", "", Step::None},
    {"clearChannel", "work channel moves", kNothing, CALL(m.clearChannel({0, 1, 1}, n)), "true", "ChannelSet 0 1 1 -1 -", Step::One, kWorkChOfA, "work A2"},
    {"clearChannel", "group switched off", kNothing, CALL(m.clearChannel({0, 2, 1}, n)), "true", "ChannelSet 0 2 1 -1 -", Step::One, kGroupOfB, "B off work group 1"},
    {"clearChannel", "work group moves", PREP(f.opt().workGroup[0] = 2), CALL(m.clearChannel({0, 2, 1}, n)), "true", "ChannelSet 0 2 1 -1 -", Step::One, kGroupOfB, "B off work group 1"},
    {"clearChannel", "last channel kept", PREP(f.onlyGroupB()), CALL(m.clearChannel({0, 2, 1}, n)), "false", "", Step::None, kGroupOfB, "B on work group 2"},
    // --- one value of one channel --------------------------------------------------------
    {"setChannelValue", "the value it has", kNothing, CALL(m.setChannelValue({0, 1, 1}, F::NbAnl, 1, n)), "false", "", Step::None},
    {"setChannelValue", "value changed", kNothing, CALL(m.setChannelValue({0, 1, 1}, F::RepShift, 2, n)), "true", "Channel 0 1 1 16 -", Step::One},
    {"setChannelValue", "no such channel", kNothing, CALL(m.setChannelValue({0, 1, 20}, F::Echo, 1, n)), "false", "", Step::None},
    {"setChannelValue", "value outside the list", kNothing, CALL(m.setChannelValue({0, 1, 1}, F::RepShift, 3, n)), "false", "", Step::None},
    {"setChannelValue", "code that does not exist", kNothing, CALL(m.setChannelValue({0, 1, 1}, F::BotCode, 3, n)), "false", "", Step::None},
    {"setChannelValue", "PA on a memory channel", kNothing, CALL(m.setChannelValue({0, 1, 41}, F::Mode, kModePA, n)), "false", "", Step::None},
    {"setChannelValue", "stored value outside the list", PREP(f.rec(0, 1, 5).mode = 9), CALL(m.setChannelValue({0, 1, 5}, F::Mode, 1, n)), "true", "Channel 0 1 5 9 -", Step::One},
    // --- one value of many channels ------------------------------------------------------
    {"setChannelValues", "none changes", PREP(f.echoOnBut({})), CALL(m.setChannelValues({{0, 1, 1}, {0, 1, 2}, {0, 1, 4}}, F::Echo, 1, n)), "0", "", Step::None},
    {"setChannelValues", "only the first changes", PREP(f.echoOnBut({1})), CALL(m.setChannelValues({{0, 1, 1}, {0, 1, 2}, {0, 1, 4}}, F::Echo, 1, n)), "1", "Channel 0 1 1 12 -", Step::One},
    {"setChannelValues", "only a middle one changes", PREP(f.echoOnBut({2})), CALL(m.setChannelValues({{0, 1, 1}, {0, 1, 2}, {0, 1, 4}}, F::Echo, 1, n)), "1", "Channel 0 1 2 12 -", Step::One},
    {"setChannelValues", "only the last changes", PREP(f.echoOnBut({4})), CALL(m.setChannelValues({{0, 1, 1}, {0, 1, 2}, {0, 1, 4}}, F::Echo, 1, n)), "1", "Channel 0 1 4 12 -", Step::One},
    {"setChannelValues", "public channel keeps its mode", kNothing, CALL(m.setChannelValues({{0, 1, 3}, {0, 1, 4}}, F::Mode, 2, n)), "1", "Channel 0 1 4 9 -", Step::One},
    {"setChannelValues", "value outside the list", kNothing, CALL(m.setChannelValues({{0, 1, 1}}, F::Echo, 2, n)), "0", "", Step::None},
    // --- clearing many channels ----------------------------------------------------------
    {"clearChannels", "none removed", kNothing, CALL(m.clearChannels({{0, 1, 20}, {0, 1, 21}}, n)), "0", "", Step::None},
    {"clearChannels", "only the first removed", kNothing, CALL(m.clearChannels({{0, 1, 2}, {0, 1, 20}, {0, 1, 21}}, n)), "1", "ChannelSet 0 1 2 -1 -", Step::One},
    {"clearChannels", "only a middle one removed", kNothing, CALL(m.clearChannels({{0, 1, 20}, {0, 1, 3}, {0, 1, 21}}, n)), "1", "ChannelSet 0 1 3 -1 -", Step::One},
    {"clearChannels", "only the last removed", kNothing, CALL(m.clearChannels({{0, 1, 20}, {0, 1, 21}, {0, 1, 4}}, n)), "1", "ChannelSet 0 1 4 -1 -", Step::One},
    {"clearChannels", "group switched off", kNothing, CALL(m.clearChannels({{0, 1, 20}, {0, 2, 1}}, n)), "1", "ChannelSet 0 2 1 -1 -", Step::One, kGroupOfB, "B off work group 1"},
    {"clearChannels", "last channel kept", PREP(f.onlyGroupB()), CALL(m.clearChannels({{0, 2, 1}}, n)), "0", "", Step::None, kGroupOfB, "B on work group 2"},
    // --- frequencies of many channels ----------------------------------------------------
    {"setFrequencies", "none changes", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "27.01"}, {{0, 1, 2}, "27.02"}}, n)), "none refused", "", Step::None},
    {"setFrequencies", "only the first changes", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "27.11"}, {{0, 1, 2}, "27.02"}, {{0, 1, 3}, "27.03"}}, n)), "none refused", "Channel 0 1 1 3 -", Step::One},
    {"setFrequencies", "only a middle one changes", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "27.01"}, {{0, 1, 2}, "27.12"}, {{0, 1, 3}, "27.03"}}, n)), "none refused", "Channel 0 1 2 3 -", Step::One},
    {"setFrequencies", "only the last changes", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "27.01"}, {{0, 1, 2}, "27.02"}, {{0, 1, 3}, "27.13"}}, n)), "none refused", "Channel 0 1 3 3 -", Step::One},
    {"setFrequencies", "a channel added", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "27.01"}, {{0, 1, 9}, "27.09"}}, n)), "none refused", "ChannelSet 0 1 9 3 -", Step::One},
    {"setFrequencies", "group switched off", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "27.01"}, {{0, 2, 1}, ""}}, n)), "none refused", "ChannelSet 0 2 1 3 -", Step::One, kGroupOfB, "B off work group 1"},
    {"setFrequencies", "every entry refused", kNothing, CALL(m.setFrequencies(Entries{{{0, 1, 1}, "31"}, {{0, 1, 2}, "x"}}, n)), "refused 1/1 refused 1/2", "", Step::None},
    // --- paste ---------------------------------------------------------------------------
    {"pasteChannels", "nothing taken", kNothing, CALL(m.pasteChannels("no\tchannels\n", {{0, 1, 1}}, n)), "taken 0 refused 1", "", Step::None},
    {"pasteChannels", "rows equal to the channels", kNothing, CALL(m.pasteChannels("27.01\n27.02\n", {{0, 1, 1}, {0, 1, 2}}, n)), "taken 2 refused 0", "", Step::None},
    {"pasteChannels", "only a middle one changes", kNothing, CALL(m.pasteChannels("27.01\n27.22\n27.03\n", {{0, 1, 1}, {0, 1, 2}, {0, 1, 3}}, n)), "taken 3 refused 0", "ChannelSet 0 1 2 -1 -", Step::One},
    {"pasteChannels", "only the last changes", kNothing, CALL(m.pasteChannels("27.01\n27.02\n27.23\n", {{0, 1, 1}, {0, 1, 2}, {0, 1, 3}}, n)), "taken 3 refused 0", "ChannelSet 0 1 3 -1 -", Step::One},
    // --- groups and the work mode --------------------------------------------------------
    {"setGroupValid", "as it is", kNothing, CALL(m.setGroupValid(0, 2, true, n)), "false", "", Step::None},
    {"setGroupValid", "switched off, work group moves", PREP(f.opt().workGroup[0] = 2), CALL(m.setGroupValid(0, 2, false, n)), "true", "Group 0 2 0 -1 -", Step::One, kGroupOfB, "B off work group 1"},
    {"setGroupValid", "the only group", PREP(f.onlyGroupB()), CALL(m.setGroupValid(0, 2, false, n)), "false", "", Step::None},
    {"setGroupValid", "no such group", kNothing, CALL(m.setGroupValid(0, 11, false, n)), "false", "", Step::None},
    {"setGroupReference", "channel that exists", kNothing, CALL(m.setGroupReference(0, 1, Ref::DualWatch2, 4, n)), "true", "Group 0 1 0 -1 -", Step::One},
    {"setGroupReference", "no such channel", kNothing, CALL(m.setGroupReference(0, 1, Ref::Emergency1, 30, n)), "false", "", Step::None},
    {"setGroupName", "name changed", kNothing, CALL(m.setGroupName(0, 1, "ABC", n, "name")), "true", "Group 0 1 0 -1 -", Step::One},
    {"setGroupName", "the name it has", PREP(f.opt().groupName(0, 1).assign("ABC")), CALL(m.setGroupName(0, 1, "ABC", n, "name")), "false", "", Step::None},
    {"setGroupName", "not single-byte text", kNothing, CALL(m.setGroupName(0, 1, "频道", n, "name")), "false", "", Step::None},
    {"setWorkGroup", "group in use", kNothing, CALL(m.setWorkGroup(0, 2, n)), "true", "Group 0 2 0 -1 -", Step::One},
    {"setWorkGroup", "group switched off", PREP(f.opt().groupValid(0, 3) = 0), CALL(m.setWorkGroup(0, 3, n)), "false", "", Step::None},
    {"setWorkGroup", "stored group outside 1..10", PREP(f.opt().workGroup[0] = 12), CALL(m.setWorkGroup(0, 1, n)), "true", "Group 0 1 0 -1 -", Step::One},
    {"setWorkMode", "to HF", kNothing, CALL(m.setWorkMode(1, n)), "true", "WorkMode 1 0 0 -1 -", Step::One},
    {"setWorkMode", "the mode it has", kNothing, CALL(m.setWorkMode(0, n)), "false", "", Step::None},
    {"setWorkMode", "no such mode", kNothing, CALL(m.setWorkMode(2, n)), "false", "", Step::None},
    {"setWorkMode", "stored mode outside 0..1 repaired as HF", PREP(f.doc.curImage.workMode = 5), CALL(m.setWorkMode(1, n)), "true", "WorkMode 1 0 0 -1 -", Step::One},
    {"setWorkMode", "stored mode outside 0..1 to CB", PREP(f.doc.curImage.workMode = 5), CALL(m.setWorkMode(0, n)), "true", "WorkMode 0 0 0 -1 -", Step::One},
    {"setShownGroup", "a view, no change", kNothing, [](DocumentModel& m, const EditName&) { m.setShownGroup(0, 3); return QStringLiteral("void"); }, "void", "", Step::ViewOnly},
    {"setShownRow", "a view, no change", kNothing, [](DocumentModel& m, const EditName&) { m.setShownRow(0, 3, 7); return QStringLiteral("void"); }, "void", "", Step::ViewOnly},
    // --- options -------------------------------------------------------------------------
    {"setOptionFromText", "entry chosen", kNothing, CALL(m.setOptionFromText(OptionId::Tot, "90s", Language::English, n)), "90s", "Option -1 0 0 22 -", Step::One},
    {"setOptionFromText", "the entry it shows", kNothing, CALL(m.setOptionFromText(OptionId::Tot, "Off", Language::English, n)), "Off", "", Step::None},
    {"setOptionFromText", "stored value outside its list", PREP(f.opt().tot = 99), CALL(m.setOptionFromText(OptionId::Tot, "Off", Language::English, n)), "Off", "Option -1 0 0 22 -", Step::One},
    {"setOptionTicked", "switch off", kNothing, CALL(m.setOptionTicked(OptionId::BeepOn, false, n)), "true", "Option -1 0 0 18 -", Step::One},
    {"setOptionTicked", "as it is", kNothing, CALL(m.setOptionTicked(OptionId::BeepOn, true, n)), "false", "", Step::None},
    {"setModeEnable", "PA off normalises channels", PREP(f.rec(0, 1, 2).mode = kModePA), CALL(m.setModeEnable(kModePA, false, n)), "true", "Option -1 0 0 37 m", Step::One},
    {"setModeEnable", "the last of FM..LSB", PREP(f.opt().modeEnable = {0, 1, 0, 0, 1}), CALL(m.setModeEnable(1, false, n)), "false", "", Step::None},
    {"setModeEnable", "as it is", kNothing, CALL(m.setModeEnable(0, true, n)), "true", "", Step::None},
    {"setBattery", "exchanged limits", kNothing, CALL(m.setBattery("16.5", "12", n, "batt")), "12.0/16.5", "Option -1 0 0 29 -", Step::One},
    {"setBattery", "as they are", kNothing, CALL(m.setBattery("9.7", "16.8", n, "batt")), "9.7/16.8", "", Step::None},
    {"setRssiPoint", "point taken", kNothing, CALL(m.setRssiPoint(2, "12", n, "rssi")), "12", "Option -1 0 0 -1 -", Step::One},
    {"setRssiPoint", "point refused", kNothing, CALL(m.setRssiPoint(2, "16", n, "rssi")), "11", "", Step::None},
    // --- DTMF and roger beep -------------------------------------------------------------
    {"setDtmfCode", "code emptied clears references", PREP(f.rec(0, 1, 1).botCode = 2), CALL(m.setDtmfCode(2, "", n, "dtmf")), "true", "Dtmf -1 0 0 2 d", Step::One},
    {"setDtmfCode", "the code it has", kNothing, CALL(m.setDtmfCode(1, "123", n, "dtmf")), "false", "", Step::None},
    {"setDtmfTiming", "timing changed", kNothing, CALL(m.setDtmfTiming(DtmfTiming::StarHashTime, 2, Language::English, n)), "true", "Dtmf -1 0 0 0 -", Step::One},
    {"setDtmfDisplay", "switched on", kNothing, CALL(m.setDtmfDisplay(true, n)), "true", "Dtmf -1 0 0 0 -", Step::One},
    {"setDtmfDisplay", "as it is", kNothing, CALL(m.setDtmfDisplay(false, n)), "false", "", Step::None},
    {"setRogerRepeatCount", "count changed", kNothing, CALL(m.setRogerRepeatCount(1, 3, n)), "true", "RogerBeep -1 0 0 1 r", Step::One},
    {"setRogerInterTime", "time changed", kNothing, CALL(m.setRogerInterTime(2, 5, n)), "true", "RogerBeep -1 0 0 2 -", Step::One},
    {"setRogerInterTime", "no such sequence", kNothing, CALL(m.setRogerInterTime(9, 5, n)), "false", "", Step::None},
    {"setRogerStepFrequency", "frequency changed", kNothing, CALL(m.setRogerStepFrequency(3, 2, 200, n)), "true", "RogerBeep -1 0 0 3 -", Step::One},
    {"setRogerStepFrequency", "no such step", kNothing, CALL(m.setRogerStepFrequency(3, 15, 200, n)), "false", "", Step::None},
    {"setRogerStepLength", "length changed", kNothing, CALL(m.setRogerStepLength(1, 1, 7, n)), "true", "RogerBeep -1 0 0 1 r", Step::One},
    // --- the whole document --------------------------------------------------------------
    {"importChannels", "rows taken", kNothing, CALL(importText(m, csvOf("CB,C,2,27.3,AM\n"), n)), "taken 1 problems 0", "Whole -1 0 0 -1 -", Step::One},
    {"importChannels", "no row taken", kNothing, CALL(importText(m, csvOf("CB,C,2,31.3,AM\n"), n)), "taken 0 problems 1", "", Step::None},
    {"takeValues", "another document", kNothing, [](DocumentModel& m, const EditName& n) { return shown(m.takeValues(imageWithTot(m.document(), 9), m.table(), n)); }, "true", "Whole -1 0 0 -1 -", Step::One},
    {"takeValues", "the same document", kNothing, [](DocumentModel& m, const EditName& n) { return shown(m.takeValues(m.image(), m.table(), n)); }, "false", "", Step::None},
};
// clang-format on

// Calls whose contract is the history's or a read's, checked by the tests below.
const QSet<QString> kOtherCalls = {"document", "image", "table", "workMode",         "channel",
                                   "history",  "undo",  "redo",  "documentReplaced", "endEdit"};

// A failing row names its call and situation, not its bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.call << " (" << row.situation << ")";
}

class ModelContract : public ::testing::TestWithParam<Row> {};

TEST_P(ModelContract, ReturnEventAndUndoStep) {
    const Row& row = GetParam();
    Fixture f;
    row.prepare(f);
    f.model.history().reset();
    QStringList events;
    QObject::connect(&f.events, &DocumentEvents::changed,
                     [&](const DocumentChange& c) { events << eventText(c); });
    const QByteArray before = bytesOf(f.doc);
    const EditName name{QStringLiteral("%1 (%2)").arg(row.call, row.situation),
                        QStringLiteral("步骤 %1").arg(row.call)};

    EXPECT_EQ(row.run(f.model, name), row.result) << "return value";
    EXPECT_EQ(events, row.event.isEmpty() ? QStringList() : QStringList{row.event}) << "event";
    if (row.probe) {
        EXPECT_EQ(row.probe(f), row.probed) << "knock-on";
    }
    const QByteArray after = bytesOf(f.doc);
    if (row.step != Step::One) {
        EXPECT_EQ(f.model.history().undoCount(), 0) << "undo steps";
        EXPECT_EQ(after == before, row.step == Step::None) << "document changed";
        return;
    }
    ASSERT_EQ(f.model.history().undoCount(), 1) << "undo steps";
    for (const Language lang : kLanguages)
        EXPECT_EQ(f.model.history().undoName().in(lang), name.in(lang)) << "step name";
    ASSERT_TRUE(f.model.undo());
    EXPECT_TRUE(bytesOf(f.doc) == before) << "undo gives back the document";
    ASSERT_TRUE(f.model.redo());
    EXPECT_TRUE(bytesOf(f.doc) == after) << "redo gives the state after the call";
}

INSTANTIATE_TEST_SUITE_P(
    EveryCall, ModelContract, ::testing::ValuesIn(kRows),
    [](const ::testing::TestParamInfo<Row>& row) {
        QString name =
            QStringLiteral("%1_%2_%3").arg(row.index).arg(row.param.call, row.param.situation);
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return name.toStdString();
    });

// The public calls as the header declares them: a call added there without a row fails here.
QSet<QString> declaredCalls() {
    QFile header(QStringLiteral(R5K27_DOCUMENT_MODEL_HEADER));
    EXPECT_TRUE(header.open(QIODevice::ReadOnly)) << R5K27_DOCUMENT_MODEL_HEADER;
    const QString text = QString::fromUtf8(header.readAll());
    const qsizetype from = text.indexOf(QStringLiteral("public:"));
    const QString section = text.mid(from, text.indexOf(QStringLiteral("private:"), from) - from);
    QSet<QString> calls;
    static const QRegularExpression declared(QStringLiteral("^\\s*[^/(]*?(\\w+)\\("));
    for (const QString& line : section.split(u'\n'))
        if (const auto match = declared.match(line); match.hasMatch())
            calls << match.captured(1);
    calls.remove(QStringLiteral("DocumentModel"));
    return calls;
}

TEST(ModelContractList, EveryPublicCallHasARow) {
    QSet<QString> covered = kOtherCalls;
    for (const Row& row : kRows)
        covered << QString::fromLatin1(row.call);
    const QSet<QString> declared = declaredCalls();
    ASSERT_GT(declared.size(), 30) << "the header was not read";
    for (const QString& call : declared)
        EXPECT_TRUE(covered.contains(call)) << "no contract row for " << call.toStdString();
    for (const QString& call : covered)
        EXPECT_TRUE(declared.contains(call))
            << "a row for a call that is gone: " << call.toStdString();
}

// Undo and redo: one Whole event each, the document back byte for byte, the step's name kept;
// a replaced document has nothing to undo.
TEST(ModelContractList, UndoRedoAndReplacedDocument) {
    Fixture f;
    f.model.history().reset();
    const QByteArray before = bytesOf(f.doc);
    const EditName name{QStringLiteral("Echo A1"), QStringLiteral("回音 A1")};
    ASSERT_TRUE(f.model.setChannelValue({0, 1, 1}, F::Echo, 1, name));
    const QByteArray after = bytesOf(f.doc);
    QStringList events;
    QObject::connect(&f.events, &DocumentEvents::changed,
                     [&](const DocumentChange& c) { events << eventText(c); });
    QObject::connect(&f.events, &DocumentEvents::revealed, [&](const DocumentChange& c) {
        events << QStringLiteral("revealed ") + eventText(c);
    });

    EXPECT_TRUE(f.model.undo());
    EXPECT_EQ(bytesOf(f.doc), before);
    EXPECT_EQ(f.model.history().redoName(), name);
    EXPECT_FALSE(f.model.undo());
    EXPECT_TRUE(f.model.redo());
    EXPECT_EQ(bytesOf(f.doc), after);
    EXPECT_FALSE(f.model.redo());
    EXPECT_EQ(events, (QStringList{"Whole -1 0 0 -1 -", "revealed Channel 0 1 1 12 -",
                                   "Whole -1 0 0 -1 -", "revealed Channel 0 1 1 12 -"}));

    // Typing in a field again after leaving it is a step of its own.
    events.clear();
    f.model.setGroupName(0, 1, QStringLiteral("AB"), name, QStringLiteral("name"));
    f.model.setGroupName(0, 1, QStringLiteral("ABC"), name, QStringLiteral("name"));
    EXPECT_EQ(f.model.history().undoCount(), 2);
    f.model.endEdit();
    f.model.setGroupName(0, 1, QStringLiteral("ABCD"), name, QStringLiteral("name"));
    EXPECT_EQ(f.model.history().undoCount(), 3);
    EXPECT_EQ(events.size(), 3);

    events.clear();
    f.model.documentReplaced();
    EXPECT_EQ(events, QStringList{"Whole -1 0 0 -1 -"});
    EXPECT_FALSE(f.model.history().canUndo());
    EXPECT_EQ(f.model.workMode(), 0);
    f.doc.curImage.workMode = -3;
    EXPECT_EQ(f.model.workMode(), 1) << "any stored work mode but 0 reads HF";
    EXPECT_EQ(f.model.channel({0, 1, 20}), nullptr);
    EXPECT_EQ(&f.model.image(), &f.model.document().curImage);
    EXPECT_EQ(&f.model.table(), &f.model.document().chTable);
}

} // namespace
} // namespace r5k27
