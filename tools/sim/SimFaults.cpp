#include "SimFaults.h"

#include <QStringList>
#include <array>
#include <utility>

namespace r5k27::sim {
namespace {

const std::array<std::pair<const char*, FaultKind>, 12> kNames = {{
    {"drop-handshake", FaultKind::DropHandshake},
    {"drop-identify", FaultKind::DropIdentify},
    {"drop-read", FaultKind::DropRead},
    {"drop-write", FaultKind::DropWrite},
    {"bad-checksum", FaultKind::BadChecksum},
    {"wrong-address", FaultKind::WrongAddress},
    {"split", FaultKind::Split},
    {"extra-byte", FaultKind::ExtraByte},
    {"silent", FaultKind::Silent},
    {"unplug", FaultKind::Unplug},
    {"no-end-ack", FaultKind::NoEndAck},
    {"flip-byte", FaultKind::FlipByte},
}};

} // namespace

std::optional<Fault> parseFault(const QString& text) {
    const QStringList parts = text.trimmed().split(u':');
    if (parts.size() > 2)
        return std::nullopt;
    int n = 1;
    if (parts.size() == 2) {
        bool ok = false;
        n = parts[1].toInt(&ok);
        if (!ok || n < 0)
            return std::nullopt;
    }
    for (const auto& [name, kind] : kNames)
        if (parts[0] == QLatin1String(name))
            return Fault{kind, n};
    return std::nullopt;
}

QString faultKindsHelp() {
    QStringList names;
    for (const auto& entry : kNames)
        names << QLatin1String(entry.first);
    return names.join(QStringLiteral(", "));
}

} // namespace r5k27::sim
