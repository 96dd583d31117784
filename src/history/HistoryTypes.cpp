#include "HistoryTypes.h"

#include <QStringList>
#include <array>

namespace r5k27 {
namespace {

struct KindRow {
    OperationKind kind;
    const char* key;
    LocalText text;
};

constexpr std::array kKinds{
    KindRow{OperationKind::Read, "read", {"Read", "读取"}},
    KindRow{OperationKind::Write, "write", {"Write", "写入"}},
    KindRow{
        OperationKind::GroupWrite, "group-write", {"Group write, radio %1", "成批写入，第 %1 台"}},
    KindRow{OperationKind::SeveralWrite, "several-write", {"Several-cable write", "多线写入"}},
    KindRow{OperationKind::Verify, "verify", {"Verify", "校验"}},
    KindRow{OperationKind::Compare, "compare", {"Compare", "比较"}},
    KindRow{
        OperationKind::ReadBeforeWrite, "read-before-write", {"Read before writing", "写入前读取"}},
};

struct OutcomeRow {
    Outcome outcome;
    const char* key;
    LocalText text;
};

constexpr std::array kOutcomes{
    OutcomeRow{Outcome::Running, "running", {"Running", "进行中"}},
    OutcomeRow{Outcome::Done, "done", {"Done", "完成"}},
    OutcomeRow{Outcome::Failed, "failed", {"Failed", "失败"}},
    OutcomeRow{Outcome::Cancelled, "cancelled", {"Cancelled", "已取消"}},
    OutcomeRow{Outcome::VerifyMismatch, "mismatch", {"Verify mismatch", "校验不符"}},
    OutcomeRow{Outcome::Interrupted, "interrupted", {"Interrupted", "已中断"}},
};

// The tables are indexed by the enums.
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (static_cast<std::size_t>(kKinds[i].kind) != i)
            return false;
    for (std::size_t i = 0; i < kOutcomes.size(); ++i)
        if (static_cast<std::size_t>(kOutcomes[i].outcome) != i)
            return false;
    return true;
}
static_assert(inEnumOrder());

} // namespace

QString kindKey(OperationKind kind) {
    return QString::fromLatin1(kKinds[static_cast<std::size_t>(kind)].key);
}

std::optional<OperationKind> kindFromKey(const QString& key) {
    for (const KindRow& row : kKinds)
        if (key == QLatin1String(row.key))
            return row.kind;
    return std::nullopt;
}

QString outcomeKey(Outcome outcome) {
    return QString::fromLatin1(kOutcomes[static_cast<std::size_t>(outcome)].key);
}

std::optional<Outcome> outcomeFromKey(const QString& key) {
    for (const OutcomeRow& row : kOutcomes)
        if (key == QLatin1String(row.key))
            return row.outcome;
    return std::nullopt;
}

QStringList kindKeys() {
    QStringList keys;
    for (const KindRow& row : kKinds)
        keys << QString::fromLatin1(row.key);
    return keys;
}

QStringList outcomeKeys() {
    QStringList keys;
    for (const OutcomeRow& row : kOutcomes)
        keys << QString::fromLatin1(row.key);
    return keys;
}

QString kindText(OperationKind kind, int radioNumber, Language lang) {
    const QString text = kKinds[static_cast<std::size_t>(kind)].text.in(lang);
    return kind == OperationKind::GroupWrite ? text.arg(radioNumber) : text;
}

QString outcomeText(Outcome outcome, Language lang) {
    return kOutcomes[static_cast<std::size_t>(outcome)].text.in(lang);
}

} // namespace r5k27
