#include "BenchSupport.h"
// Several paced radios written at once against one; a paced write and read-back through a USB
// cable's latency timer; the comparison of two full documents.
#include "core/common/AppSettings.h"
#include "core/document/DocumentDiff.h"
#include "core/document/InitialValues.h"
#include "core/image/VersionList.h"
#include "core/link/MemoryMap.h"
#include "radio/MultiPortWrite.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

using namespace r5k27;

namespace {

struct Refusing : Prompter {
    Answer ask(const QString&, Buttons, Icon) override { return Answer::Cancel; }
};

struct Sims {
    std::vector<std::unique_ptr<QProcess>> processes;
    QStringList devices;

    Sims(int count, const QStringList& args) {
        for (int i = 0; i < count; ++i) {
            auto sim = std::make_unique<QProcess>();
            sim->start(QStringLiteral(R5K27_SIM_PATH), args);
            if (sim->waitForStarted(5000) && sim->waitForReadyRead(5000))
                devices << QString::fromLocal8Bit(sim->readLine()).trimmed();
            processes.push_back(std::move(sim));
        }
    }
    ~Sims() {
        for (auto& sim : processes) {
            sim->terminate();
            sim->waitForFinished(5000);
        }
    }
};

Document fullDocument() {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    bench::fillEveryGroup(doc);
    return doc;
}

struct Timing {
    bool ok = false;
    double writeS = 0;
    double readS = 0; // the read-back of a verify
};

// One write to every sim at once; with verify, the read-back is timed on its own.
Timing writeAtOnce(const Sims& sims, const Document& doc, bool verify) {
    AppSettings settings;
    const VersionList versions = VersionList::builtIn();
    Refusing prompter;
    MultiPortWrite write(settings, versions, prompter);
    write.setVerify(verify);
    QEventLoop loop;
    QElapsedTimer clock;
    Timing t;
    write.setRowChanged([&](int row) {
        if (write.rows()[row].state == PortState::Verifying && t.writeS == 0)
            t.writeS = double(clock.nsecsElapsed()) / 1e9;
    });
    write.setAllDone([&] { loop.quit(); });
    QTimer::singleShot(180000, &loop, &QEventLoop::quit);
    clock.start();
    if (!write.start(sims.devices, doc))
        return t;
    loop.exec();
    const double total = double(clock.nsecsElapsed()) / 1e9;
    if (verify)
        t.readS = total - t.writeS;
    else
        t.writeS = total;
    t.ok = write.writtenCount() == int(sims.devices.size());
    return t;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Document doc = fullDocument();
    QByteArray image = prepareRadioBuf();
    if (encodeImage(doc.curImage, doc.chTable, image)) {
        std::printf("the full document does not fit the radio\n");
        return 1;
    }
    const QStringList paced{QStringLiteral("--pace"), QStringLiteral("9600")};

    const Timing one = writeAtOnce(Sims(1, paced), doc, false);
    const Timing four = writeAtOnce(Sims(4, paced), doc, false);
    std::printf("paced 9600 write, one radio    %s %8.3f s\n", one.ok ? "ok    " : "FAILED",
                one.writeS);
    std::printf("paced 9600 write, four at once %s %8.3f s  ratio %.3f\n",
                four.ok ? "ok    " : "FAILED", four.writeS, four.writeS / one.writeS);

    for (const char* latency : {"16", "1"}) {
        const Timing t = writeAtOnce(Sims(1, paced + QStringList{QStringLiteral("--usb-latency"),
                                                                 QString::fromLatin1(latency)}),
                                     doc, true);
        std::printf("paced 9600, usb latency %2s ms %s write %8.3f s  read %8.3f s\n", latency,
                    t.ok ? "ok    " : "FAILED", t.writeS, t.readS);
    }

    Document other = doc;
    QRandomGenerator rng(24);
    for (int i = 0; i < 50; ++i)
        other.chTable.at({0, 1 + int(rng.bounded(kGroupCount)), 1 + int(rng.bounded(40))}).mode ^=
            1;
    int lines = 0;
    bench::reportTimings("compare two full documents", 200, [&] {
        lines = int(documentDifferences(doc.curImage, doc.chTable, other.curImage, other.chTable,
                                        Language::English)
                        .size());
        return true;
    });
    std::printf("(%d differences)\n", lines);
    return 0;
}
