// --json of the radio verbs against virtual radios: one object on standard output holding what
// a script needs, the messages still on standard error.
#include "CliProcess.h"
#include "SimSession.h"
#include "core/document/DataFile.h"
#include "core/document/InitialValues.h"
#include "platform/SystemFileCommit.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <memory>

using namespace r5k27;
using namespace r5k27::test;

namespace {

struct JsonRun {
    int status = -1;
    QJsonObject json;
    QString err;
    bool oneObject = false;
};

JsonRun cliJson(const QStringList& args) {
    QProcess process;
    process.start(R5K27_CLI_PATH, args + QStringList{"--json"});
    JsonRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(2000);
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(process.readAllStandardOutput(), &error);
    run.oneObject = error.error == QJsonParseError::NoError && doc.isObject();
    run.json = doc.object();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The fields every radio port of a report holds.
void expectPort(const QJsonObject& port, const QString& device, const QString& outcome,
                bool verified) {
    EXPECT_EQ(port["port"].toString(), device);
    EXPECT_EQ(port["outcome"].toString(), outcome);
    EXPECT_TRUE(port["message"].isString());
    EXPECT_TRUE(port["seconds"].isDouble());
    EXPECT_GE(port["seconds"].toDouble(), 0.0);
    EXPECT_EQ(port["verified"].toBool(), verified);
    EXPECT_TRUE(port["radio"]["model"].isString());
}

} // namespace

TEST(CliJson, IdentifyReadAndWriteReportEachPort) {
    TempDir dir;
    const QString doc = shopDocument(dir, "shop.dat", 2);
    SimProcess sim;

    const JsonRun identify = cliJson({"identify", "--port", sim.device()});
    ASSERT_TRUE(identify.oneObject) << identify.err.toStdString();
    EXPECT_EQ(identify.status, 0);
    EXPECT_EQ(identify.json["status"].toInt(), 0);
    const QJsonObject port = identify.json["ports"][0].toObject();
    expectPort(port, sim.device(), "done", false);
    EXPECT_EQ(port["radio"]["model"].toString(), "ZT6666");
    EXPECT_EQ(port["radio"]["firmware"].toString(), "V200");

    const JsonRun read = cliJson({"read", "--port", sim.device(), dir.path("r.dat")});
    ASSERT_TRUE(read.oneObject);
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.json["file"].toString(), dir.path("r.dat"));
    expectPort(read.json["ports"][0].toObject(), sim.device(), "done", false);
    // The completion note is a message now, on standard error.
    EXPECT_EQ(read.err, "Read Data Completed.\n");

    const JsonRun group =
        cliJson({"write", doc, "--port", sim.device(), "--group", "1", "--verify"});
    ASSERT_TRUE(group.oneObject) << group.err.toStdString();
    EXPECT_EQ(group.status, 0);
    expectPort(group.json["ports"][0].toObject(), sim.device(), "done", true);
    EXPECT_EQ(group.json["ports"][0]["radios"].toInt(), 1);
}

TEST(CliJson, SeveralPortsAndFailuresCarryTheirOutcomeAndStatus) {
    TempDir dir;
    const QString doc = shopDocument(dir, "shop.dat", 2);
    // 0x3F0E holds the microphone level: the second radio keeps it wrong.
    SimProcess good;
    SimProcess flipping({"--fault", "flip-byte:16142"});
    const JsonRun several =
        cliJson({"write", doc, "--port", good.device(), "--port", flipping.device(), "--verify"});
    ASSERT_TRUE(several.oneObject) << several.err.toStdString();
    EXPECT_EQ(several.status, 1);
    const QJsonArray ports = several.json["ports"].toArray();
    ASSERT_EQ(ports.size(), 2);
    expectPort(ports[0].toObject(), good.device(), "done", true);
    expectPort(ports[1].toObject(), flipping.device(), "failed", false);
    EXPECT_TRUE(ports[1]["message"].toString().startsWith("Verify failed"));

    // A port that does not open is a link error (4), a missing file a file error (3).
    const QString missing = dir.path("no-such-port");
    const JsonRun noPort = cliJson({"write", doc, "--port", missing});
    ASSERT_TRUE(noPort.oneObject);
    EXPECT_EQ(noPort.status, 4);
    EXPECT_EQ(noPort.json["status"].toInt(), 4);
    expectPort(noPort.json["ports"][0].toObject(), missing, "failed", false);
    EXPECT_EQ(noPort.json["ports"][0]["message"].toString(), "Cannot Open Communication Port.");
    EXPECT_EQ(noPort.err, "Cannot Open Communication Port.\n");
    const JsonRun noFile = cliJson({"write", dir.path("none.dat"), "--port", good.device()});
    EXPECT_EQ(noFile.status, 3);
    EXPECT_EQ(noFile.json["ports"][0]["outcome"].toString(), "not started");
}

TEST(CliJson, DiffListsWhereFieldAndBothValues) {
    TempDir dir;
    const QString usb = shopDocument(dir, "usb.dat", 2);
    const QString am = shopDocument(dir, "am.dat", 1);
    const JsonRun files = cliJson({"diff", am, usb});
    ASSERT_TRUE(files.oneObject);
    EXPECT_EQ(files.status, 1);
    EXPECT_TRUE(files.json["compared"].toBool());
    const QJsonObject expected{{"where", "C1"}, {"field", "Mode"}, {"a", "AM"}, {"b", "USB"}};
    EXPECT_EQ(files.json["differences"].toArray(), QJsonArray{expected});

    SimProcess sim;
    QProcess write;
    write.start(R5K27_CLI_PATH, {"write", usb, "--port", sim.device()});
    ASSERT_TRUE(write.waitForFinished(60000));
    const JsonRun radio = cliJson({"diff", am, "--port", sim.device()});
    ASSERT_TRUE(radio.oneObject);
    EXPECT_EQ(radio.json["b"].toString(), sim.device());
    EXPECT_EQ(radio.json["differences"], files.json["differences"]);

    // Not compared: the file is missing (3), the radio does not answer (4).
    EXPECT_EQ(cliJson({"diff", dir.path("none.dat"), usb}).status, 3);
    const JsonRun silent = cliJson({"diff", am, "--port", dir.path("no-such-port")});
    EXPECT_EQ(silent.status, 4);
    EXPECT_FALSE(silent.json["compared"].toBool());
}

TEST(CliJson, PortsListEveryPortWithItsFields) {
    const JsonRun ports = cliJson({"ports"});
    ASSERT_TRUE(ports.oneObject);
    EXPECT_EQ(ports.status, 0);
    ASSERT_TRUE(ports.json["ports"].isArray());
    for (const QJsonValue& port : ports.json["ports"].toArray())
        for (const char* field : {"port", "device", "product", "chip", "serial"})
            EXPECT_TRUE(port[field].isString()) << field;
}
