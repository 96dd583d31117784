#pragma once

// What the window benchmarks give the main window in place of the user: every question
// answered OK, no data files and no file dialogs.
#include "common/Prompter.h"
#include "mainwindow/DocumentStore.h"

#include <ctime>

namespace r5k27::bench {

struct OkPrompter : Prompter {
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Ok; }
};

struct NoStore : DocumentStore {
    bool isModified() const override { return false; }
    bool open(const QString&) override { return false; }
    bool save(const QString&) override { return false; }
    void loadDefault(DefaultFileKind) override {}
};

struct NoDialogs : FileDialogs {
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// CPU time of this thread: on a shared machine the wall clock also counts other programs.
inline double threadCpuMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

} // namespace r5k27::bench
