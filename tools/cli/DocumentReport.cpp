#include "DocumentReport.h"

#include "core/channels/BandIdentity.h"
#include "core/channels/ChannelFields.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/Frequency.h"
#include "core/channels/ModeCodec.h"
#include "core/channels/ToneCodec.h"
#include "core/common/NumericText.h"
#include "core/options/OptionText.h"
#include "core/signalling/RogerTones.h"

#include <QJsonArray>
#include <QJsonObject>

namespace r5k27::cli {
namespace {

constexpr Language kLang = Language::English;

// One entry of the report. A leaf holds a value; a node holds children, shown as an object, or
// as an array when list is set. Compact nodes take a single line in the text form.
struct Node {
    QString key;
    QJsonValue value;
    QList<Node> children;
    bool list = false;
    bool compact = false;

    Node& add(const QString& k, const QJsonValue& v) {
        children.append({k, v, {}, false, false});
        return *this;
    }
    Node& add(Node child) {
        children.append(std::move(child));
        return children.back();
    }
};

Node object(const QString& key, bool compact = false) {
    return {key, {}, {}, false, compact};
}
Node array(const QString& key) {
    return {key, {}, {}, true, false};
}

QString label(int value, bool known, const QString& text) {
    return known ? text : QStringLiteral("?") + QString::number(value);
}

QString switchText(int v) {
    return label(v, v == 0 || v == 1, v == 1 ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

QString channelName(int chNo) {
    return label(chNo, chNo >= 1 && chNo <= 46, getChName(chNo));
}

QString groupName(int group) {
    return label(group, group >= 1 && group <= kMemGroup, groupTextFromNumber(group));
}

QString toneText(int index) {
    static const QStringList tones = shortToneList(kLang);
    return label(index, index >= 0 && index < tones.size(), tones.value(index));
}

QString modeText(int code) {
    return label(code, code >= 0 && code <= 4, modeTextFromCode(code));
}

QString repText(int v) {
    static const QStringList texts = {QStringLiteral("OFF"), QStringLiteral("+"),
                                      QStringLiteral("-")};
    return label(v, v >= 0 && v <= 2, texts.value(v));
}

} // namespace

QString escapedText(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c.unicode() == 0)
            out += QStringLiteral("\\0");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'\\')
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            out += c;
    }
    return out;
}

namespace {

// Raw field bytes, escaped.
template <std::size_t N> QString rawText(const FixedText<N>& text) {
    return escapedText(text.raw());
}

// The shown frequency; stored text that is no frequency is shown as it is, marked with "?".
template <std::size_t N> QString frequencyText(const FixedText<N>& stored) {
    const QString s = cleanFixedText(stored.raw()).trimmed();
    if (s.isEmpty() || s == QStringLiteral("FFFFFFFF"))
        return {};
    const auto frequency = Frequency::fromStored(s);
    return frequency ? frequency->text() : QStringLiteral("?") + escapedText(s);
}

QString fieldText(const ChannelRec& r, const ChannelFieldInfo& f) {
    if (f.text)
        return frequencyText(r.*f.text);
    const int v = r.*f.number;
    switch (f.choice) {
    case ChannelChoice::Switch:
        return switchText(v);
    case ChannelChoice::LongTone:
    case ChannelChoice::ShortTone:
        return toneText(v);
    case ChannelChoice::RepShift:
        return repText(v);
    case ChannelChoice::ScanDelAdd:
        return label(v, v == 0 || v == 1, v == 1 ? QStringLiteral("Add") : QStringLiteral("Del"));
    case ChannelChoice::Mode:
        return modeText(v);
    case ChannelChoice::None:
        return f.id == ChannelField::ChNo ? channelName(v) : QString::number(v);
    case ChannelChoice::RogerRef:
    case ChannelChoice::DtmfRef:
    case ChannelChoice::Frequency:
        break;
    }
    return QString::number(v);
}

Node channelNode(const ChannelRec& r, int slot) {
    Node n = object(QString::number(slot), true);
    for (const ChannelFieldInfo& f : channelFields()) {
        const bool number =
            !f.text && (f.choice == ChannelChoice::None || f.choice == ChannelChoice::RogerRef ||
                        f.choice == ChannelChoice::DtmfRef);
        if (number && f.id != ChannelField::ChNo)
            n.add(QString::fromLatin1(f.reportKey), r.*f.number);
        else
            n.add(QString::fromLatin1(f.reportKey), fieldText(r, f));
    }
    return n;
}

Node groupNode(const MemoryImage& m, const ChTable& table, int mode, int group) {
    const OptFeatRec& o = m.optFeat;
    Node n = object(QString::number(group));
    n.add(QStringLiteral("group"), groupName(group))
        .add(QStringLiteral("valid"), switchText(o.groupValid(mode, group)))
        .add(QStringLiteral("name"), escapedText(o.groupName(mode, group).clean()))
        .add(QStringLiteral("emergency1"), channelName(o.emergencyCh(mode, group, 0)))
        .add(QStringLiteral("emergency2"), channelName(o.emergencyCh(mode, group, 1)))
        .add(QStringLiteral("work"), channelName(o.workCh(mode, group)))
        .add(QStringLiteral("dualWatch1"), channelName(o.dwCh(mode, group, 0)))
        .add(QStringLiteral("dualWatch2"), channelName(o.dwCh(mode, group, 1)))
        .add(QStringLiteral("memory"), channelName(o.memCh(mode, group)))
        .add(QStringLiteral("lastRow"), m.groupWorkCh(mode, group))
        .add(QStringLiteral("count"), m.chCount(mode, group));
    Node& channels = n.add(array(QStringLiteral("channels")));
    const int used = usedSlots(m, mode, group);
    for (int slot = 1; slot <= used; ++slot)
        channels.add(channelNode(table.at({mode, group, slot}), slot));
    return n;
}

Node modeNode(const MemoryImage& m, const ChTable& table, int mode) {
    Node n = object(mode == 0 ? QStringLiteral("CB") : QStringLiteral("HF"));
    n.add(QStringLiteral("currentGroup"), groupName(m.curGroup[std::size_t(mode)]))
        .add(QStringLiteral("memLastRow"), m.groupWorkCh(mode, kMemGroup));
    Node& groups = n.add(array(QStringLiteral("groups")));
    for (int group = 1; group <= kGroupCount; ++group)
        groups.add(groupNode(m, table, mode, group));
    return n;
}

Node identityNode(const RadioInfoRec& info) {
    Node n = object(QStringLiteral("identity"));
    n.add(QStringLiteral("modelCode"), rawText(info.modelCode))
        .add(QStringLiteral("modelNo"), info.modelNo)
        .add(QStringLiteral("modeFlag"), info.modeFlag)
        .add(QStringLiteral("makeDate"), rawText(info.makeDate))
        .add(QStringLiteral("softVer"), rawText(info.softVer))
        .add(QStringLiteral("modelCode2"), rawText(info.modelCode2))
        .add(QStringLiteral("modeFlag2"), info.modeFlag2)
        .add(QStringLiteral("modelLetter"), info.modelLetter);
    return n;
}

Node optionsNode(const MemoryImage& m) {
    Node n = object(QStringLiteral("options"));
    for (const OptionInfo& info : allOptions()) {
        Node option = object(QString::fromLatin1(info.name), true);
        option.add(QStringLiteral("text"), optionText(m, info.id, kLang))
            .add(QStringLiteral("value"), optionValue(m, info.id));
        n.add(std::move(option));
    }
    Node& rssi = n.add(array(QStringLiteral("rssiPoints")));
    for (int k = 0; k < int(m.extTable.size()); ++k)
        rssi.add(QString::number(k + 1), rssiPointText(m, k));
    return n;
}

Node dtmfNode(const OptFeatRec& o) {
    Node n = array(QStringLiteral("dtmfCodes"));
    for (int code = 1; code <= kDtmfCodeCount; ++code)
        n.add(QString::number(code), escapedText(o.dtmf(code).clean()));
    return n;
}

Node rogerNode(const RBToneRec& rb) {
    Node n = array(QStringLiteral("rogerTones"));
    for (int t = 1; t <= kToneSeqCount; ++t) {
        const ToneSeq& seq = rb.tone(t);
        Node tone = object(QString::number(t), true);
        tone.add(QStringLiteral("playable"), isPlayable(seq))
            .add(QStringLiteral("repeat"), seq.repeatCount)
            .add(QStringLiteral("interTime"), seq.interTime);
        QStringList steps;
        for (const ToneStep& step : seq.steps)
            steps << QString::number(step.freqCode) + u'/' + QString::number(step.durCode);
        tone.add(QStringLiteral("steps"), steps.join(u' '));
        n.add(std::move(tone));
    }
    return n;
}

Node documentNode(const MemoryImage& m, const ChTable& table) {
    Node root;
    root.add(QStringLiteral("band"), bandTextOfWorkMode(m.workMode))
        .add(QStringLiteral("workMode"), m.workMode)
        .add(QStringLiteral("workModeText"),
             m.workMode == 0 ? QStringLiteral("CB") : QStringLiteral("HF"))
        .add(QStringLiteral("verTag"), rawText(m.verTag));
    root.add(identityNode(m.radioInfo));
    for (int mode = 0; mode < kModeCount; ++mode)
        root.add(modeNode(m, table, mode));
    root.add(optionsNode(m));
    root.add(dtmfNode(m.optFeat));
    root.add(rogerNode(m.rbTone));
    return root;
}

// Texts are quoted only where they would otherwise be ambiguous.
QString scalarText(const QJsonValue& v) {
    if (v.isString()) {
        QString text = v.toString();
        if (!text.isEmpty() && !text.contains(u' ') && !text.contains(u'"') && !text.contains(u'='))
            return text;
        text.replace(u'"', QStringLiteral("\\\""));
        return u'"' + text + u'"';
    }
    if (v.isBool())
        return v.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    return QString::number(v.toInteger());
}

void appendText(const Node& n, int depth, QString& out) {
    const QString indent(depth * 2, u' ');
    if (n.compact) {
        QStringList parts;
        for (const Node& c : n.children)
            parts << c.key + u'=' + scalarText(c.value);
        out += indent + n.key + QStringLiteral(": ") + parts.join(u' ') + u'\n';
        return;
    }
    if (n.children.isEmpty() && !n.list) {
        out += indent + n.key + QStringLiteral(": ") + scalarText(n.value) + u'\n';
        return;
    }
    out += indent + n.key + QStringLiteral(":\n");
    for (const Node& c : n.children)
        appendText(c, depth + 1, out);
}

QJsonValue toJson(const Node& n) {
    if (n.children.isEmpty() && !n.list)
        return n.value;
    if (n.list) {
        QJsonArray a;
        for (const Node& c : n.children)
            a.append(toJson(c));
        return a;
    }
    QJsonObject o;
    for (const Node& c : n.children)
        o.insert(c.key, toJson(c));
    return o;
}

} // namespace

QString documentText(const MemoryImage& image, const ChTable& table) {
    QString out;
    for (const Node& c : documentNode(image, table).children)
        appendText(c, 0, out);
    return out;
}

QJsonObject documentJsonObject(const MemoryImage& image, const ChTable& table) {
    return toJson(documentNode(image, table)).toObject();
}

} // namespace r5k27::cli
