#pragma once

#include <QObject>
#include <QTimer>

namespace r5k27 {

// While it lives, Ctrl+C (SIGINT) and SIGTERM no longer end the process: each one emits
// stopRequested on the owner's event loop instead, so that a radio operation can end as its
// progress window would and take the radio out of programming mode. The former handling
// returns with the object.
class StopSignals : public QObject {
    Q_OBJECT
public:
    StopSignals();
    ~StopSignals() override;

    // How many stop signals arrived so far.
    int count() const { return seen_; }

signals:
    void stopRequested();

private:
    void poll();

    QTimer timer_;
    int seen_ = 0;
};

} // namespace r5k27
