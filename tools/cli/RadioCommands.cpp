#include "RadioCommands.h"

#include "Command.h"
#include "DiffCommand.h"
#include "LinkCommands.h"

#include <QJsonArray>
#include <cmath>

namespace r5k27::cli {
namespace {

const QString kPort = QStringLiteral("--port");

// A verb's 1 means "failed": which part failed decides the status.
int toolStatus(const Session& s, int status) {
    if (status != 1)
        return status;
    if (s.report.someRadiosFailed())
        return kDoneWithDifferences;
    return s.report.linkFailed() ? kLinkError : kFileError;
}

double seconds(qint64 ms) {
    return std::round(double(ms) / 100.0) / 10.0;
}

QJsonObject identityJson(const LinkFrames::RadioIdentity& identity) {
    return {{QStringLiteral("model"), identity.model},
            {QStringLiteral("firmware"), identity.firmware}};
}

// The one port of identify, read, write and a group write.
QJsonObject singlePortJson(const Session& s, const CliArgs& args, int status) {
    const CommandReport& report = s.report;
    const LinkOutcome outcome = report.linkOutcomes.value(report.linkOutcomes.size() - 1);
    QString result = QStringLiteral("failed");
    if (status == kInterrupted)
        result = QStringLiteral("interrupted");
    else if (report.linkOutcomes.isEmpty() && !report.portFailed)
        result = QStringLiteral("not started");
    else if (outcome.success && outcome.verifyFailures.isEmpty())
        result = QStringLiteral("done");
    const bool verified = args.has(QStringLiteral("--verify")) && result == QStringLiteral("done");
    QJsonObject port{
        {QStringLiteral("port"), args.value(kPort)},
        {QStringLiteral("outcome"), result},
        {QStringLiteral("message"), s.prompter.shown().value(s.prompter.shown().size() - 1)},
        {QStringLiteral("radio"), identityJson(outcome.identity)},
        {QStringLiteral("seconds"), seconds(report.clock.elapsed())},
        {QStringLiteral("verified"), verified}};
    if (args.has(QStringLiteral("--group"))) {
        port.insert(QStringLiteral("radios"), outcome.radiosDone);
        port.insert(QStringLiteral("verifyFailures"),
                    QJsonArray::fromStringList(outcome.verifyFailures));
    }
    return port;
}

QJsonArray severalPortsJson(const Session& s, const CliArgs& args) {
    QJsonArray ports;
    const CommandReport& report = s.report;
    for (qsizetype k = 0; k < report.portRows.size(); ++k) {
        const PortRow& row = report.portRows[k];
        const bool written = row.state == PortState::Written;
        const qint64 endMs = report.portEndMs.value(k, -1);
        ports.append(QJsonObject{
            {QStringLiteral("port"), row.port},
            {QStringLiteral("outcome"),
             written ? QStringLiteral("done") : QStringLiteral("failed")},
            {QStringLiteral("message"), row.message},
            {QStringLiteral("radio"), identityJson(row.identity)},
            {QStringLiteral("seconds"), seconds(endMs < 0 ? report.clock.elapsed() : endMs)},
            {QStringLiteral("verified"), written && args.has(QStringLiteral("--verify"))}});
    }
    return ports;
}

} // namespace

int runPorts(Session& s, const CliArgs&) {
    s.report.ports = listSerialPorts();
    for (const SerialPortEntry& entry : s.report.ports)
        s.out << entry.name << '\t' << entry.device << '\n';
    return kDone;
}

int runIdentify(Session& s, const CliArgs& args) {
    return toolStatus(s, identifyRadio(s, args));
}

int runRead(Session& s, const CliArgs& args) {
    return toolStatus(s, readRadio(s, args));
}

int runWrite(Session& s, const CliArgs& args) {
    return toolStatus(s, writeRadio(s, args));
}

int runDiff(Session& s, const CliArgs& args) {
    const int status = diffDocuments(s, args);
    constexpr int kNotCompared = 2;
    return status == kNotCompared ? toolStatus(s, 1) : status;
}

QJsonObject portsJson(const Session& s, const CliArgs&, int status) {
    QJsonArray ports;
    for (const SerialPortEntry& entry : s.report.ports)
        ports.append(QJsonObject{{QStringLiteral("port"), entry.name},
                                 {QStringLiteral("device"), entry.device},
                                 {QStringLiteral("product"), entry.product},
                                 {QStringLiteral("chip"), entry.chip},
                                 {QStringLiteral("serial"), entry.serial}});
    return {{QStringLiteral("status"), status}, {QStringLiteral("ports"), ports}};
}

QJsonObject radioJson(const Session& s, const CliArgs& args, int status) {
    QJsonObject out{{QStringLiteral("status"), status}};
    if (!args.files.isEmpty())
        out.insert(QStringLiteral("file"), args.files[0]);
    out.insert(QStringLiteral("ports"), s.report.portRows.isEmpty()
                                            ? QJsonArray{singlePortJson(s, args, status)}
                                            : severalPortsJson(s, args));
    return out;
}

QJsonObject diffJson(const Session& s, const CliArgs& args, int status) {
    QJsonArray differences;
    for (const FieldDifference& d : s.report.differences.value_or(QList<FieldDifference>{}))
        differences.append(QJsonObject{{QStringLiteral("where"), d.place()},
                                       {QStringLiteral("field"), d.field},
                                       {QStringLiteral("a"), d.left},
                                       {QStringLiteral("b"), d.right}});
    return {{QStringLiteral("status"), status},
            {QStringLiteral("a"), args.files.value(0)},
            {QStringLiteral("b"), args.has(kPort) ? args.value(kPort) : args.files.value(1)},
            {QStringLiteral("compared"), s.report.differences.has_value()},
            {QStringLiteral("differences"), differences}};
}

} // namespace r5k27::cli
