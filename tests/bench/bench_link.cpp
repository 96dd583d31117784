#include "BenchSupport.h"
// Link speed against the virtual radio: unpaced (host cost per block) and paced at 9600 baud
// (against the time the bytes need on the wire).
#include "platform/RadioPortOpen.h"
#include "platform/SerialConnection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace r5k27;
using bench::percentile;

namespace {

struct Figures {
    bool ok = false;
    double totalS = 0;
    double blocksS = 0;
    int blocks = 0;
    std::vector<double> turnaroundMs; // reply handed over -> next request sent
    std::vector<double> roundTripMs;  // request sent -> next reply handed over
};

Figures runOnce(LinkOp op, const QStringList& simArgs) {
    Figures f;
    QProcess sim;
    sim.start(QStringLiteral(R5K27_SIM_PATH), simArgs);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000))
        return f;
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

    AppSettings settings;
    const VersionList versions = VersionList::builtIn();
    SerialConnection link(settings, versions);
    RadioLink& engine = link.engine;
    QByteArray image(kRadioBufSize, '\0');
    for (int i = 0; i < kRadioBufSize; ++i)
        image[i] = char(i * 13);

    QElapsedTimer clock;
    qint64 lastSendNs = 0;
    qint64 blocksStartNs = -1;
    qint64 blocksEndNs = 0;
    const LinkStage blockStage =
        op == LinkOp::Read ? LinkStage::ReadingBlocks : LinkStage::WritingBlocks;
    auto stage = [&] { return engine.status().stage; };

    link.port.setReceiveHandler([&](const QByteArray& bytes) {
        const qint64 in = clock.nsecsElapsed();
        const bool blockReply = stage() == blockStage;
        if (blockReply) {
            f.roundTripMs.push_back(double(in - lastSendNs) / 1e6);
            blocksEndNs = in;
            ++f.blocks;
        }
        engine.onReceived(bytes);
        const qint64 out = clock.nsecsElapsed();
        lastSendNs = out;
        if (blockReply && stage() == blockStage)
            f.turnaroundMs.push_back(double(out - in) / 1e6);
        if (blocksStartNs < 0 && stage() == blockStage)
            blocksStartNs = out;
    });

    // Any question counts as a failed run.
    struct Done : LinkObserver {
        RadioLink* engine = nullptr;
        QEventLoop* loop = nullptr;
        bool success = false;
        bool asked = false;
        void decide(const LinkDecision&) override {
            asked = true;
            engine->decide(false);
        }
        void finished(const LinkOutcome& outcome) override {
            success = outcome.success;
            loop->quit();
        }
    } done;
    done.engine = &engine;
    QEventLoop loop;
    done.loop = &loop;
    engine.setObserver(&done);

    struct Refusing : Prompter {
        Answer ask(const QString&, Buttons, Icon) override { return Answer::Cancel; }
    } prompter;
    if (openRadioPort(link.port, device, prompter, Language::English)) {
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        clock.start();
        if (op == LinkOp::Read)
            engine.startRead();
        else
            engine.startWrite(image);
        loop.exec();
        f.totalS = double(clock.nsecsElapsed()) / 1e9;
        f.blocksS = double(blocksEndNs - blocksStartNs) / 1e9;
        f.ok = done.success && !done.asked;
    }
    sim.terminate();
    sim.waitForFinished(5000);
    return f;
}

void report(const char* name, const Figures& f, double wireLimitS) {
    if (!f.ok) {
        std::printf("%-22s FAILED\n", name);
        return;
    }
    std::printf("%-22s blocks %4d  total %8.3f s  blocks %8.3f s  round trip median %.3f ms "
                "p99 %.3f ms  host turnaround median %.4f ms p99 %.4f ms",
                name, f.blocks, f.totalS, f.blocksS, percentile(f.roundTripMs, 0.5),
                percentile(f.roundTripMs, 0.99), percentile(f.turnaroundMs, 0.5),
                percentile(f.turnaroundMs, 0.99));
    if (wireLimitS > 0)
        std::printf("  wire limit %.2f s  ratio total %.4f blocks %.4f", wireLimitS,
                    f.totalS / wireLimitS, f.blocksS / wireLimitS);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double readWire = 1024.0 * 26 * 10 / 9600;
    const double writeWire = 1012.0 * 23 * 10 / 9600;
    report("read unpaced", runOnce(LinkOp::Read, {}), 0);
    report("write unpaced", runOnce(LinkOp::Write, {}), 0);
    report("read paced 9600",
           runOnce(LinkOp::Read, {QStringLiteral("--pace"), QStringLiteral("9600")}), readWire);
    report("write paced 9600",
           runOnce(LinkOp::Write, {QStringLiteral("--pace"), QStringLiteral("9600")}), writeWire);
    return 0;
}
