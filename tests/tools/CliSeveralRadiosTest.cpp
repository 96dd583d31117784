// r5k27-cli writing several virtual radios at once, verifying and comparing.
#include "CliProcess.h"
#include "SimSession.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

using namespace r5k27;
using namespace r5k27::test;

namespace {

// Simulators saving their memory as radio1.img, radio2.img, ...; extra arguments per radio.
std::vector<std::unique_ptr<SimProcess>> radios(const TempDir& dir,
                                                const QList<QStringList>& extra) {
    std::vector<std::unique_ptr<SimProcess>> sims;
    for (int i = 0; i < extra.size(); ++i)
        sims.push_back(std::make_unique<SimProcess>(
            QStringList{"--save", dir.path(QString("radio%1.img").arg(i + 1))} + extra[i]));
    return sims;
}

// A shop's document with a DTMF code beside the channel, so a compare has two kinds of value.
QString shopWithDtmf(const TempDir& dir, const QString& name, int mode = 2) {
    return savedDocument(dir, name, [mode](Document& doc) {
        doc.chTable.at({0, 3, 7}).mode = std::int16_t(mode);
        doc.curImage.optFeat.dtmf(2).assign("123#");
    });
}

QStringList writeArgs(const QString& file, const std::vector<std::unique_ptr<SimProcess>>& sims) {
    QStringList args{"write", file};
    for (const auto& sim : sims)
        args << "--port" << sim->device();
    return args;
}

constexpr int kWritten = 0x3F40;

} // namespace

TEST(CliSeveralRadios, FourAtOnceEachHoldTheImageAndTheTraceNamesThePorts) {
    TempDir dir;
    const QString doc = shopWithDtmf(dir, "shop.dat");
    ASSERT_EQ(runCliProcess({"encode", doc, dir.path("shop.img")}).status, 0);
    const auto sims = radios(dir, {{}, {}, {}, {}});

    const CliRun run = runCliProcess(writeArgs(doc, sims) << "--trace" << dir.path("t.log"));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    QString expected;
    for (const auto& sim : sims)
        expected += sim->device() + ": Written: Write Data Completed.\n";
    EXPECT_EQ(run.out, expected + "4 of 4 radios written.\n");
    const QString trace = QString::fromUtf8(dir.read("t.log"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dir.read(QString("radio%1.img").arg(i + 1)).left(kWritten),
                  dir.read("shop.img").left(kWritten));
        EXPECT_TRUE(trace.contains("[" + sims[std::size_t(i)]->device() + "] TX 50 52 4F"));
    }
}

// A radio that is silent, of another model or unplugged mid-write fails alone.
TEST(CliSeveralRadios, OneFaultyRadioFailsAloneWithItsMessage) {
    TempDir dir;
    const QString doc = shopWithDtmf(dir, "shop.dat");
    ASSERT_EQ(runCliProcess({"encode", doc, dir.path("shop.img")}).status, 0);
    const std::pair<QStringList, QString> faults[] = {
        {{"--fault", "silent"}, "Failed: The radio did not answer."},
        {{"--model", "ZT9999"}, "Failed: Model type is wrong."},
        {{"--fault", "unplug:300"}, "Failed: The connection was lost during the transfer."},
    };
    for (const auto& [fault, message] : faults) {
        SCOPED_TRACE(fault.join(' ').toStdString());
        const auto sims = radios(dir, {{}, fault, {}, {}});
        const CliRun run = runCliProcess(writeArgs(doc, sims));
        EXPECT_EQ(run.status, 1);
        const QStringList lines = run.out.split('\n');
        ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
        EXPECT_EQ(lines[1], sims[1]->device() + ": " + message);
        for (int i : {0, 2, 3}) {
            EXPECT_EQ(lines[i],
                      sims[std::size_t(i)]->device() + ": Written: Write Data Completed.");
            EXPECT_EQ(dir.read(QString("radio%1.img").arg(i + 1)).left(kWritten),
                      dir.read("shop.img").left(kWritten));
        }
        EXPECT_EQ(lines[4], "3 of 4 radios written.");
    }
}

TEST(CliSeveralRadios, VerifyCatchesARadioThatStoresAByteWrong) {
    TempDir dir;
    const QString doc = shopWithDtmf(dir, "shop.dat");
    // 0x3F0E holds the microphone level (30 in a new document).
    const auto sims = radios(dir, {{}, {"--fault", "flip-byte:16142"}});
    const CliRun run = runCliProcess(writeArgs(doc, sims) << "--verify");
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_EQ(lines[0], sims[0]->device() + ": Written: Write Data Completed.");
    EXPECT_TRUE(lines[1].startsWith(sims[1]->device() + ": Failed: Verify failed"));
    EXPECT_TRUE(lines[1].endsWith(" 30 / 31")) << lines[1].toStdString();

    // A single radio is verified too.
    EXPECT_EQ(runCliProcess({"write", doc, "--port", sims[0]->device(), "--verify"}).status, 0);
}

// A group write reads each radio back before the next; the one holding a wrong byte is named.
TEST(CliSeveralRadios, GroupWriteVerifiesEachRadio) {
    TempDir dir;
    const QString doc = shopWithDtmf(dir, "shop.dat");
    const auto sims = radios(dir, {{}, {"--fault", "flip-byte:16142"}});
    const CliRun good =
        runCliProcess({"write", doc, "--port", sims[0]->device(), "--group", "1", "--verify"});
    EXPECT_EQ(good.status, 0) << good.err.toStdString();
    EXPECT_FALSE(good.err.contains("Verify failed")) << good.err.toStdString();

    const CliRun bad =
        runCliProcess({"write", doc, "--port", sims[1]->device(), "--group", "1", "--verify"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains("Radio 1: Verify failed")) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains(" 30 / 31")) << bad.err.toStdString();
}

TEST(CliSeveralRadios, DiffNamesTheSameFieldsAgainstAFileAndARadio) {
    TempDir dir;
    const QString a = shopWithDtmf(dir, "a.dat");
    const QString b = shopWithDtmf(dir, "b.dat", 1);
    const CliRun same = runCliProcess({"diff", a, a});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    const CliRun files = runCliProcess({"diff", b, a});
    EXPECT_EQ(files.status, 1);
    EXPECT_EQ(files.out, "C1 Mode AM / USB\n");

    SimProcess sim;
    ASSERT_EQ(runCliProcess({"write", a, "--port", sim.device()}).status, 0);
    EXPECT_EQ(runCliProcess({"diff", a, "--port", sim.device()}).status, 0);
    const CliRun radio = runCliProcess({"diff", b, "--port", sim.device()});
    EXPECT_EQ(radio.status, 1);
    EXPECT_EQ(radio.out, files.out);
    // Several ports are for writing only.
    EXPECT_EQ(runCliProcess({"diff", a, "--port", sim.device(), "--port", "other"}).status, 2);
}
