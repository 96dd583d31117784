#include "SystemReport.h"

#include "core/lang/Language.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSettings>
#include <QSysInfo>

namespace r5k27 {

SystemFacts currentSystemFacts() {
    SystemFacts facts;
    facts.system = QSysInfo::prettyProductName() + QStringLiteral(" (") + QSysInfo::kernelType() +
                   u' ' + QSysInfo::kernelVersion() + u' ' + QSysInfo::currentCpuArchitecture() +
                   u')';
    facts.qtVersion = QString::fromLatin1(qVersion());
    facts.programVersion = QStringLiteral(R5K27_VERSION);
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        facts.serialPorts << port.portName();
    return facts;
}

QString systemReport(const SystemFacts& facts, Language lang) {
    static constexpr LocalText system{"System", "系统"};
    static constexpr LocalText qt{"Qt version", "Qt 版本"};
    static constexpr LocalText program{"Program version", "程序版本"};
    static constexpr LocalText ports{"Serial ports", "串口"};
    static constexpr LocalText none{"none found", "未找到"};
    const QString sep = lang == Language::Chinese ? QString::fromUtf8("：") : QStringLiteral(": ");
    const QString portList =
        facts.serialPorts.isEmpty() ? none.in(lang) : facts.serialPorts.join(QStringLiteral(", "));
    return system.in(lang) + sep + facts.system + u'\n' + qt.in(lang) + sep + facts.qtVersion +
           u'\n' + program.in(lang) + sep + facts.programVersion + u'\n' + ports.in(lang) + sep +
           portList;
}

QString systemInformationTool() {
#ifdef Q_OS_WIN
    const QSettings primary(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
        QSettings::NativeFormat);
    const QString path = primary.value(QStringLiteral("PATH")).toString();
    if (!path.isEmpty())
        return path;
    const QSettings location(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
        QSettings::NativeFormat);
    const QString folder = location.value(QStringLiteral("MSINFO")).toString();
    if (folder.isEmpty())
        return {};
    const QString tool = folder + QStringLiteral("\\MSINFO32.EXE");
    return QFileInfo::exists(tool) ? tool : QString();
#else
    return {};
#endif
}

} // namespace r5k27
