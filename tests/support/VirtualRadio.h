#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

class QSocketNotifier;

namespace r5k27::test {

// r5k27-sim running for one test on a pseudo-terminal of its own; stopped at the end.
class SimRadioProcess {
public:
    explicit SimRadioProcess(const QStringList& args = {});
    ~SimRadioProcess();
    // The device to open; empty when the sim did not start.
    const QString& device() const { return device_; }
    // Stops it as a test would at its end; true when it went down cleanly.
    bool stopsOnTerminate();

private:
    QProcess process_;
    QString device_;
};

// The r5k27-sim executable of this build.
QString simPath();

// A programming cable that virtual radios are plugged into and out of: the program opens
// device() once, and its bytes reach whichever radio is attached (nothing while none is). Runs
// on the test's event loop.
class RadioSocket : public QObject {
public:
    RadioSocket();
    ~RadioSocket() override;

    const QString& device() const { return device_; }
    bool attach(const QString& radioDevice);
    void detach();

private:
    void fromProgram();
    void fromRadio();

    int master_ = -1;
    int ownDevice_ = -1;
    int radio_ = -1;
    QString device_;
    QSocketNotifier* programNotifier_ = nullptr;
    QSocketNotifier* radioNotifier_ = nullptr;
};

} // namespace r5k27::test
