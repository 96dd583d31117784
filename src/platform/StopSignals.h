#pragma once

#include <QObject>
#include <QTimer>

namespace r5k27 {

// While it lives, Ctrl+C (SIGINT) and SIGTERM no longer end the process: each one emits
// stopRequested on the owner's event loop instead, so that a radio operation can end as its
// progress window would and take the radio out of programming mode. The former handling
// returns with the object. Objects may nest: an inner one sees (and emits for) the signals that
// came since the outermost was made, so a stop before a radio operation began is not lost.
class StopSignals : public QObject {
    Q_OBJECT
public:
    StopSignals();
    ~StopSignals() override;

    // How many stop signals arrived since the outermost object was made.
    int count() const;

signals:
    void stopRequested();

private:
    void poll();

    QTimer timer_;
    int seen_ = 0;
};

} // namespace r5k27
