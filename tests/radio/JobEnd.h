#pragma once

// A radio job driven to its end by the event loop, with a time bound, as the windows drive one.
#include "radio/RadioJob.h"

#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace r5k27::test {

// Where a driven job says it has ended: the observer's finished() calls reached().
struct JobEnd {
    bool ended = false;
    std::function<void()> quit;

    void reached() {
        ended = true;
        if (quit)
            quit();
    }
};

// Prepares and starts the job (asking it to stop at once when stop), then runs the event loop
// until it ends or 30 s pass; false when it did not start or end in time.
inline bool runToEnd(RadioJob& job, const RadioJobRequest& request, const Document& doc,
                     JobEnd& end, bool stop = false) {
    if (!job.prepare(request, doc))
        return false;
    QEventLoop loop;
    end.ended = false;
    end.quit = [&loop] { loop.quit(); };
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    job.start();
    if (stop)
        job.requestStop();
    if (!end.ended)
        loop.exec();
    end.quit = nullptr;
    return end.ended;
}

} // namespace r5k27::test
