// One radio job against the virtual radio: what each kind keeps, what a log of operations hears,
// and what is refused before the port is touched.
#include "radio/RadioJob.h"

#include "JobEnd.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"
#include "radio/LinkBackups.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/VirtualRadio.h"

#include <QDate>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

RadioJobRequest request(RadioJobKind kind, const QString& port, bool verify = false) {
    RadioJobRequest r;
    r.kind = kind;
    r.port = port;
    r.verify = verify;
    return r;
}

struct Recorded {
    QString event;
    RadioOperation operation;
    bool success = false;
    QString model;
};

struct RecordingListener : RadioJobListener {
    void operationStarted(const RadioOperation& operation) override {
        log.append({"start", operation, false, {}});
    }
    void operationEnded(const RadioOperation& operation, const RadioJobResult& result) override {
        log.append({"end", operation, result.outcome.success, result.outcome.identity.model});
    }
    QList<Recorded> log;
};

struct JobRun : RadioJobObserver {
    JobRun() {
        writeBuiltInDefaults(doc, settings, 1, QDate(2024, 5, 1));
        job.setObserver(this);
        job.setListener(&listener);
        job.setBackups(&backups);
    }

    // Prepares and runs the job to its end; false when it did not start or end in time.
    bool run(RadioJobKind kind, const QString& port) {
        return test::runToEnd(job, request(kind, port), doc, end);
    }
    void progress(ProgressPhase phase, int percent) override {
        phases << int(phase) * 1000 + percent;
    }
    void finished(const RadioJobResult&) override { end.reached(); }

    test::TempDir dir;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    test::ScriptedPrompter prompter;
    LinkBackups backups{dir.path("backups")};
    RecordingListener listener;
    RadioJob job{settings, versions, prompter};
    Document doc;
    QList<int> phases;
    test::JobEnd end;
};

QByteArray imageOf(const Document& doc) {
    QByteArray image = prepareRadioBuf();
    EXPECT_FALSE(encodeImage(doc.curImage, doc.chTable, image));
    return image;
}

// A write keeps the document sent, a read the radio's bytes, a compare read nothing; the
// listener hears each start and end with the image that went over the line.
TEST(RadioJob, EachKindKeepsItsBackupAndIsHeardFromStartToEnd) {
    JobRun r;
    test::SimRadioProcess sim;
    const QByteArray sent = imageOf(r.doc);

    ASSERT_TRUE(r.run(RadioJobKind::Write, sim.device()));
    EXPECT_TRUE(r.job.result().written());
    ASSERT_TRUE(r.run(RadioJobKind::Read, sim.device()));
    ASSERT_TRUE(r.run(RadioJobKind::CompareRead, sim.device()));
    EXPECT_EQ(r.job.result().document.curImage.workMode, r.doc.curImage.workMode);

    const QStringList sets = r.backups.sets();
    ASSERT_EQ(sets.size(), 2);
    EXPECT_TRUE(sets[0].endsWith("-write"));
    EXPECT_TRUE(sets[1].endsWith("-read"));
    ASSERT_EQ(r.listener.log.size(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const Recorded& rec = r.listener.log[i];
        EXPECT_EQ(rec.event, i % 2 ? "end" : "start");
        EXPECT_EQ(rec.operation.port, sim.device());
        if (i % 2) {
            EXPECT_TRUE(rec.success);
            EXPECT_EQ(rec.model, "ZT6666");
        }
    }
    EXPECT_EQ(r.listener.log[0].operation.kind, RadioJobKind::Write);
    EXPECT_EQ(r.listener.log[0].operation.image, sent);
    EXPECT_TRUE(r.listener.log[2].operation.image.isEmpty());
    EXPECT_EQ(r.listener.log[3].operation.image.left(0x3F40), sent.left(0x3F40));
    EXPECT_EQ(r.listener.log[5].operation.kind, RadioJobKind::CompareRead);
    EXPECT_TRUE(r.prompter.shown.isEmpty());
}

// A verified write counts its read-back apart; a byte the radio did not keep fails it.
TEST(RadioJob, AVerifiedWriteShowsItsReadBackAsAPhaseOfItsOwn) {
    for (const bool flip : {false, true}) {
        SCOPED_TRACE(flip);
        JobRun r;
        test::SimRadioProcess sim(flip ? QStringList{"--fault", "flip-byte:16142"} : QStringList{});
        ASSERT_TRUE(r.job.prepare(request(RadioJobKind::Write, sim.device(), true), r.doc));
        QEventLoop loop;
        r.end.quit = [&loop] { loop.quit(); };
        r.job.start();
        loop.exec();
        const qsizetype firstVerify = r.phases.indexOf(1000);
        ASSERT_GT(firstVerify, 0);
        EXPECT_EQ(r.phases[firstVerify - 1], 100);
        EXPECT_EQ(r.phases.last(), 1100);
        EXPECT_EQ(r.job.result().written(), !flip);
        EXPECT_EQ(r.job.result().outcome.verifyFailures.size(), flip ? 1 : 0);
    }
}

// Nothing reaches the port, the backups or the listener when the document does not fit or the
// port does not open.
TEST(RadioJob, RefusedBeforeThePortIsTouched) {
    JobRun r;
    r.doc.curImage.optFeat.battMax = 30000;
    EXPECT_FALSE(r.job.prepare(request(RadioJobKind::Write, "/nonexistent"), r.doc));
    EXPECT_EQ(r.prompter.texts(),
              QStringList{"Cannot write to the radio: BattMax is 30000, but the radio takes "
                          "0..16735."});

    JobRun missing;
    EXPECT_FALSE(
        missing.job.prepare(request(RadioJobKind::Read, missing.dir.path("no-port")), missing.doc));
    EXPECT_TRUE(missing.prompter.texts().value(0).startsWith("Cannot Open Communication Port."));
    missing.job.setTellOpenFailure(false);
    EXPECT_FALSE(
        missing.job.prepare(request(RadioJobKind::Read, missing.dir.path("no-port")), missing.doc));
    EXPECT_EQ(missing.prompter.shown.size(), 1);
    EXPECT_TRUE(missing.job.failureText().startsWith("Cannot Open Communication Port."));
    // A stored memory goes out as it is, so one of another size is no radio's.
    JobRun stored;
    RadioJobRequest partial = request(RadioJobKind::Write, "/nonexistent");
    partial.image = QByteArray(kRadioBufSize - 16, '\0');
    EXPECT_FALSE(stored.job.prepare(partial, stored.doc));
    EXPECT_EQ(stored.prompter.texts(),
              QStringList{"The stored image is not a whole radio memory (16384 bytes); nothing "
                          "was written."});
    for (const JobRun* run : {&r, &missing, &stored}) {
        EXPECT_TRUE(run->listener.log.isEmpty());
        EXPECT_TRUE(run->backups.sets().isEmpty());
    }
}

} // namespace
} // namespace r5k27
