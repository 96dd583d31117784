// Import of a channel list of 99,000 rows (the fullest document's list over and over, as large
// as the line limit lets a file be) against Python's csv.reader parsing the same file, both in
// CPU time, in the same run; and what the import holds at its peak.
#include "BenchSupport.h"
#include "BenchWindows.h"
#include "core/common/AppSettings.h"
#include "core/document/ChannelCsv.h"
#include "core/document/InitialValues.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace r5k27;
using bench::percentile;

namespace {

constexpr int kRows = 99'000;
constexpr int kRuns = 5;
constexpr double kTargetRatio = 1.2;

const char* const kPythonParse = R"(import csv, sys, time
start = time.process_time()
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    rows = sum(1 for _ in csv.reader(f))
print(time.process_time() - start, rows)
)";

qint64 peakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The header, then the fullest document's rows repeated up to kRows.
QByteArray bigList(const Document& doc) {
    const QByteArray one = channelsToCsv(doc.curImage, doc.chTable);
    const qsizetype headerEnd = one.indexOf('\n') + 1;
    const QByteArray rows = one.mid(headerEnd);
    const qsizetype perCopy = rows.count('\n');
    QByteArray out = one.left(headerEnd);
    for (qsizetype left = kRows; left > 0; left -= perCopy) {
        if (left >= perCopy) {
            out += rows;
            continue;
        }
        qsizetype cut = 0;
        for (qsizetype i = 0; i < left; ++i)
            cut = rows.indexOf('\n', cut) + 1;
        out += rows.left(cut);
    }
    return out;
}

// CPU seconds of one import from the file; -1 when it failed.
double importSeconds(const QString& path, const Document& doc, int& taken) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    Document copy = doc;
    const double start = bench::threadCpuMicros();
    const CsvImportResult result = channelsFromCsv(file, copy.curImage, copy.chTable);
    const double seconds = (bench::threadCpuMicros() - start) / 1e6;
    taken = result.taken;
    return result.tooLarge ? -1 : seconds;
}

// CPU seconds of Python's parse of the file; -1 without Python.
double pythonSeconds(const QString& python, const QString& path) {
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QString::fromLatin1(kPythonParse), path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    const QList<QByteArray> out = process.readAllStandardOutput().trimmed().split(' ');
    return out.size() == 2 && out[1].toInt() == kRows + 1 ? out[0].toDouble() : -1;
}

void printFigure(const char* name, const std::vector<double>& s) {
    const auto [low, high] = std::minmax_element(s.begin(), s.end());
    std::printf("%-30s median %.3f s  range %.3f - %.3f s\n", name, percentile(s, 0.5), *low,
                *high);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    bench::fillEveryGroup(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("channels.csv"));
    QFile out(path);
    const QByteArray list = bigList(doc);
    if (!out.open(QIODevice::WriteOnly) || out.write(list) != list.size() || !out.flush()) {
        std::printf("csv import: cannot write %s\n", qPrintable(path));
        return 1;
    }
    out.close();
    std::printf("channel list: %d rows, %.1f MB\n", kRows, double(list.size()) / 1e6);

    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    std::vector<double> ours;
    std::vector<double> theirs;
    int taken = 0;
    const qint64 peakBefore = peakKiB();
    // Turn about, so that a busy spell of the machine falls on both.
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(importSeconds(path, doc, taken));
        if (!python.isEmpty())
            theirs.push_back(pythonSeconds(python, path));
    }
    if (std::count(ours.begin(), ours.end(), -1.0)) {
        std::printf("csv import: failed\n");
        return 1;
    }
    printFigure("csv import, 99000 rows (cpu)", ours);
    std::printf("  %d places taken; peak memory %.1f MiB (grew %.1f MiB during the imports)\n",
                taken, double(peakKiB()) / 1024.0, double(peakKiB() - peakBefore) / 1024.0);
    if (theirs.empty() || std::count(theirs.begin(), theirs.end(), -1.0)) {
        std::printf("python csv.reader: not available; no ratio\n");
        return 0;
    }
    printFigure("python csv.reader, same file", theirs);
    const double ratio = percentile(ours, 0.5) / percentile(theirs, 0.5);
    std::printf("csv import / python parse: %.2f x  (target <= %.1f x: %s)\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "missed");
    return 0;
}
