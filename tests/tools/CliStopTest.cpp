// Ctrl+C and SIGTERM during every kind of write of the real r5k27-cli, and a trace that cannot
// be written: each radio that answered ends out of programming mode, the tool ends as a plain
// write does.
#include "CliProcess.h"
#include "SimSession.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/TempDir.h"

#include <QMap>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/types.h>

using namespace r5k27;
using namespace r5k27::test;

namespace {

const QString kEnd = "TX 45 4E 44";

// For each port named in the trace: whether the radio answered, and the last request it got.
struct PortTrace {
    bool answered = false;
    QString lastRequest;
};

QMap<QString, PortTrace> portTraces(const QString& trace) {
    QMap<QString, PortTrace> ports;
    for (const QString& line : trace.split('\n')) {
        const qsizetype open = line.indexOf(" ["), close = line.indexOf("] ");
        if (open < 0 || close < open)
            continue;
        PortTrace& port = ports[line.mid(open + 2, close - open - 2)];
        const QString rest = line.mid(close + 2);
        if (rest.startsWith("RX"))
            port.answered = true;
        else if (rest.startsWith("TX"))
            port.lastRequest = rest;
    }
    return ports;
}

struct StopCase {
    const char* name;
    int radios;
    QStringList extra;
    // The trace line that says the moment to stop has come.
    QString stopAfter;
    int count;
};

} // namespace

TEST(CliStop, EveryWriteEndsEachAnsweringRadioAndExits130) {
    TempDir dir;
    const QString doc = savedDocument(dir, "doc.dat");
    const StopCase cases[] = {
        {"verify while writing", 1, {"--verify"}, " TX 57 ", 40},
        {"verify while reading back", 1, {"--verify"}, " TX 52 ", 40},
        {"group", 1, {"--group", "3"}, " TX 57 ", 40},
        {"three ports", 3, {"--verify"}, " TX 57 ", 120},
    };
    for (const int signal : {SIGINT, SIGTERM}) {
        for (const StopCase& c : cases) {
            SCOPED_TRACE(QString("%1, signal %2").arg(c.name).arg(signal).toStdString());
            std::vector<std::unique_ptr<SimProcess>> sims;
            QStringList args{"write", doc, "--trace", dir.path("t.log")};
            for (int i = 0; i < c.radios; ++i) {
                // About 2 s of blocks at this rate: time enough to stop in the middle.
                sims.push_back(std::make_unique<SimProcess>(QStringList{"--pace", "115200"}));
                args << "--port" << sims.back()->device();
            }
            QFile::remove(dir.path("t.log"));
            QProcess process;
            process.start(R5K27_CLI_PATH, args + c.extra);
            ASSERT_TRUE(process.waitForStarted(5000));
            bool sent = false;
            for (int wait = 0; wait < 600 && !sent; ++wait) {
                process.waitForFinished(25);
                const QString trace = QString::fromUtf8(dir.read("t.log"));
                sent = trace.count(c.stopAfter) > c.count;
                if (sent)
                    ::kill(pid_t(process.processId()), signal);
            }
            ASSERT_TRUE(sent);
            ASSERT_TRUE(process.waitForFinished(30000));
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            const QString err = QString::fromUtf8(process.readAllStandardError());
            EXPECT_EQ(process.exitCode(), 130) << err.toStdString();
            // A stop while writing waits for the radio to be finished, and says so.
            EXPECT_EQ(err.contains("Stopping once the radio being written is finished"),
                      c.stopAfter == QStringLiteral(" TX 57 "))
                << err.toStdString();
            const auto ports = portTraces(QString::fromUtf8(dir.read("t.log")));
            EXPECT_EQ(ports.size(), c.radios);
            for (const auto& [port, seen] : ports.asKeyValueRange()) {
                if (seen.answered) {
                    EXPECT_TRUE(seen.lastRequest.startsWith(kEnd))
                        << port.toStdString() << ": " << seen.lastRequest.toStdString();
                }
            }
            if (c.radios > 1) {
                // A line per port and the count.
                const QString out = QString::fromUtf8(process.readAllStandardOutput());
                EXPECT_EQ(out.count('\n'), c.radios + 1) << out.toStdString();
            }
        }
    }
}

// A device is no trace file: it is refused before the port is touched, and Qt has nothing to say
// about it. (A trace that fills the disk is a warning at the end: SerialTrace counts the lines
// it lost.)
TEST(CliStop, ADeviceAsTraceIsRefusedBeforeTheRadioIsTouched) {
    TempDir dir;
    const QString doc = savedDocument(dir, "doc.dat");
    SimProcess sim;
    QProcess process;
    process.start(R5K27_CLI_PATH, {"write", doc, "--port", sim.device(), "--trace", "/dev/full"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 3);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), "");
    EXPECT_FALSE(QString::fromUtf8(process.readAllStandardError()).contains("QIODevice"));
}
