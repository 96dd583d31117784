#include "RadioPortOpen.h"

#include "core/lang/LinkTexts.h"

#include <QFile>
#include <algorithm>
#include <vector>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace r5k27 {
namespace {

constexpr LocalText kGroupHint{"Access was refused: the port belongs to the group \"%1\", and your "
                               "user account must be a member of it.",
                               "访问被拒绝：该端口属于“%1”组，当前用户必须是该组的成员。"};
constexpr LocalText kInUse{"The port is in use by another program.", "该端口正被其他程序使用。"};

QString devicePath(const QString& portName) {
    return portName.startsWith(u'/') ? portName : QStringLiteral("/dev/") + portName;
}

#ifdef Q_OS_UNIX
bool inGroup(gid_t group) {
    if (::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(size_t(count), 0);
    const int got = ::getgroups(count, groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(got, 0), group) !=
           groups.begin() + std::max(got, 0);
}
#endif

} // namespace

QString deviceOwnerGroup(const QString& portName) {
#ifdef Q_OS_LINUX
    struct stat info {};
    if (portName.isEmpty() || ::stat(QFile::encodeName(devicePath(portName)).constData(), &info))
        return {};
    if (const group* owner = ::getgrgid(info.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
    return QString::number(info.st_gid);
#else
    Q_UNUSED(portName);
    return {};
#endif
}

PortRefusal portRefusal(const QString& portName, QSerialPort::SerialPortError error) {
    // A port another program holds (its lock file or exclusive mode) is reported as refused
    // permission too; the device's own permissions tell the two apart.
    if (error != QSerialPort::PermissionError || portName.isEmpty())
        return PortRefusal::Unknown;
#if defined(Q_OS_WIN)
    // COM ports carry no per-user permissions: access is denied while another program has it.
    return PortRefusal::InUse;
#elif defined(Q_OS_UNIX)
    const QByteArray device = QFile::encodeName(devicePath(portName));
    if (::access(device.constData(), R_OK | W_OK) == 0)
        return PortRefusal::InUse;
    struct stat info {};
    if (::stat(device.constData(), &info) == 0 && !inGroup(info.st_gid))
        return PortRefusal::NotInGroup;
    return PortRefusal::Unknown;
#else
    return PortRefusal::Unknown;
#endif
}

QString portOpenFailureText(PortRefusal refusal, const QString& ownerGroup, Language lang) {
    QString text = LinkTexts::cannotOpenPort.in(lang);
    if (refusal == PortRefusal::InUse)
        text += QStringLiteral("\r\n") + kInUse.in(lang);
    else if (refusal == PortRefusal::NotInGroup && !ownerGroup.isEmpty())
        text += QStringLiteral("\r\n") + kGroupHint.in(lang).arg(ownerGroup);
    return text;
}

QString portOpenFailureText(const QString& portName, QSerialPort::SerialPortError error,
                            Language lang) {
    const PortRefusal refusal = portRefusal(portName, error);
    const QString owner =
        refusal == PortRefusal::NotInGroup ? deviceOwnerGroup(portName) : QString();
    return portOpenFailureText(refusal, owner, lang);
}

bool openRadioPort(SerialLinkPort& port, const QString& portName, Prompter& prompter,
                   Language lang) {
    if (!portName.isEmpty() && port.open(portName))
        return true;
    const auto error = portName.isEmpty() ? QSerialPort::DeviceNotFoundError : port.openError();
    prompter.ask(portOpenFailureText(portName, error, lang), Buttons::Ok, Icon::Error);
    return false;
}

} // namespace r5k27
