// The radio history at the size of a busy shop: 100,000 operations with 1,000 distinct images.
// How long one operation takes to record, how long the History window takes to open on it, and
// how large the file grows.
#include "BenchWindows.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "history/HistoryLog.h"
#include "radiohistory/HistoryWindow.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

using namespace r5k27;
using bench::NoDialogs;
using bench::OkPrompter;
using bench::reportTimings;

namespace {

constexpr int kOperations = 100'000;
constexpr int kImages = 1'000;

// A radio's image with a few hundred bytes of its own, as radios of one shop differ.
QByteArray variantOf(const QByteArray& base, quint32 seed) {
    QByteArray image = base;
    QRandomGenerator random(seed);
    for (int i = 0; i < 300; ++i)
        image[int(random.bounded(0x3F40))] = char(random.bounded(256));
    return image;
}

OperationStart startOf(int i) {
    return {.kind = i % 10 == 0 ? OperationKind::Read : OperationKind::GroupWrite,
            .radioNumber = i % 40 + 1,
            .port = QStringLiteral("/dev/ttyUSB%1").arg(i % 4),
            .cableProduct = QStringLiteral("USB Serial"),
            .cableSerial = QStringLiteral("A9%1").arg(i % 4),
            .document = QStringLiteral("/home/shop/fleet-%1.dat").arg(i % 50)};
}

qint64 fileBytes(const QString& path) {
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    AppContext ctx;
    writeBuiltInDefaults(ctx.doc, ctx.settings, 1, QDate(2026, 1, 1));
    QByteArray base = prepareRadioBuf();
    encodeImage(ctx.doc.curImage, ctx.doc.chTable, base);
    QList<QByteArray> images;
    for (int i = 0; i < kImages; ++i)
        images << variantOf(base, quint32(i));

    HistoryDatabase db(path);
    HistoryLog log(db, {.maxOperations = 10 * kOperations, .maxBytes = qint64(1) << 32});
    QElapsedTimer fill;
    fill.start();
    QDateTime at(QDate(2025, 1, 1), QTime(8, 0));
    for (int i = 0; i < kOperations; ++i, at = at.addSecs(40))
        if (!log.record(startOf(i),
                        {.model = QStringLiteral("ZT6666"),
                         .firmware = QStringLiteral("V101"),
                         .image = images[i % kImages]},
                        at, at.addSecs(25))) {
            std::printf("recording failed at %d\n", i);
            return 1;
        }
    std::printf("filled %d operations in %.1f s\n", kOperations, double(fill.elapsed()) / 1000);

    int n = kOperations;
    reportTimings("log one operation", 1000, [&] {
        const OperationTicket ticket = log.begin(startOf(n));
        return log.end(ticket, {.model = QStringLiteral("ZT6666"), .image = images[n++ % kImages]});
    });

    NoDialogs dialogs;
    OkPrompter prompter;
    reportTimings("open history window", 20, [&] {
        HistoryWindow window(db, Language::English, dialogs, prompter, {});
        window.show();
        QCoreApplication::processEvents();
        return window.model()->rowCount() > 0;
    });

    execSql(db.connection(), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    std::printf("database of %d operations, %d images: %.1f MB\n", n, kImages,
                double(fileBytes(path)) / (1 << 20));
    return 0;
}
