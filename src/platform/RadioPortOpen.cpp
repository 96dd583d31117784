#include "RadioPortOpen.h"

#include "link/LinkTexts.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <sys/stat.h>
#endif

namespace r5k27 {
namespace {

constexpr BiText kGroupHint{"Access was refused: the port belongs to the group \"%1\", and your "
                            "user account must be a member of it.",
                            "访问被拒绝：该端口属于“%1”组，当前用户必须是该组的成员。"};

} // namespace

QString deviceOwnerGroup(const QString& portName) {
#ifdef Q_OS_LINUX
    const QString device =
        portName.startsWith(u'/') ? portName : QStringLiteral("/dev/") + portName;
    struct stat info {};
    if (device.isEmpty() || ::stat(QFile::encodeName(device).constData(), &info) != 0)
        return {};
    if (const group* owner = ::getgrgid(info.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
    return QString::number(info.st_gid);
#else
    Q_UNUSED(portName);
    return {};
#endif
}

QString portOpenFailureText(const QString& portName, QSerialPort::SerialPortError error, int lang) {
    QString text = LinkTexts::cannotOpenPort.in(lang);
    if (error == QSerialPort::PermissionError) {
        if (const QString owner = deviceOwnerGroup(portName); !owner.isEmpty())
            text += QStringLiteral("\r\n") + kGroupHint.in(lang).arg(owner);
    }
    return text;
}

bool openRadioPort(RadioLink& link, LinkOp op, SerialLinkPort& port, const QString& portName,
                   Prompter& prompter, int lang) {
    link.prepare(op);
    if (!portName.isEmpty() && port.open(portName))
        return true;
    const auto error = portName.isEmpty() ? QSerialPort::DeviceNotFoundError : port.openError();
    link.cancelBeforeStart();
    prompter.ask(portOpenFailureText(portName, error, lang), Buttons::Ok, Icon::Error);
    return false;
}

} // namespace r5k27
