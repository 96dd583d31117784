#pragma once

#include <QByteArray>
#include <QString>

namespace r5k27::sim {

// A new pseudo-terminal. Programs open its device path as if it were a serial port; this side
// reads and writes the other end. It also keeps one raw-mode handle on the device itself, so
// the terminal lives on between connections.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open();
    QString error() const { return error_; }
    const QString& devicePath() const { return devicePath_; }
    int fd() const { return master_; }

private:
    bool fail(const char* what);

    int master_ = -1;
    int ownDevice_ = -1;
    QString devicePath_;
    QString error_;
};

} // namespace r5k27::sim
