#pragma once

#include "core/lang/Language.h"

#include <QString>
#include <QStringList>

namespace r5k27 {

struct SystemFacts {
    QString system; // product name and kernel
    QString qtVersion;
    QString programVersion;
    QStringList serialPorts;
};

SystemFacts currentSystemFacts();
// The short report shown where the system has no information tool of its own.
QString systemReport(const SystemFacts& facts, Language lang);

// The system information tool of Windows, found as that system registers it; empty elsewhere
// or when it is not installed.
QString systemInformationTool();

} // namespace r5k27
