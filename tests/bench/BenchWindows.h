#pragma once

// What the window benchmarks give the main window in place of the user: every question
// answered OK, no data files and no file dialogs.
#include "BenchSupport.h"
#include "core/common/Prompter.h"
#include "mainwindow/NoFileServices.h"

#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace r5k27::bench {

struct OkPrompter : Prompter {
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Ok; }
};

using NoStore = NoDocumentStore;
using NoDialogs = NoFileDialogs;

// CPU time of this thread: on a shared machine the wall clock also counts other programs.
inline double threadCpuMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

inline void report(const char* name, const std::vector<double>& wall,
                   const std::vector<double>& cpu) {
    std::printf("%-24s runs %5zu  median %8.1f us (cpu %8.1f us)  p99 %8.1f us\n", name,
                wall.size(), percentile(wall, 0.5), percentile(cpu, 0.5), percentile(wall, 0.99));
}

// Times op (after prepare, which is not timed) by wall clock and by thread CPU time.
inline void measure(const char* name, int runs, const std::function<void()>& prepare,
                    const std::function<void()>& op) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer clock;
        const double cpuStart = threadCpuMicros();
        clock.start();
        op();
        wall.push_back(double(clock.nsecsElapsed()) / 1000.0);
        cpu.push_back(threadCpuMicros() - cpuStart);
    }
    report(name, wall, cpu);
}

} // namespace r5k27::bench
