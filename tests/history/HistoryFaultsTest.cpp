#include "HistoryTestSupport.h"
#include "support/ChildProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace r5k27 {
namespace {

using test::logOperation;
using test::radioImage;
using test::ScratchHistory;

QString noticesIn(HistoryDatabase& db, Language lang) {
    QStringList texts;
    for (const LocalString& notice : db.takeNotices())
        texts << notice.in(lang);
    return texts.join(u'\n');
}

TEST(HistoryFaults, ADamagedFileIsMovedAsideAndANewOneStarted) {
    ScratchHistory h;
    const QString path = h.db->path();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    test::putFileBytes(path, QByteArray(8192, 'x'));
    EXPECT_GT(logOperation(*h.log, OperationKind::Read, radioImage(1)), 0);
    const QString notice = noticesIn(*h.db, Language::English);
    EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(path))) << notice.toStdString();
    const QStringList aside =
        QDir(QFileInfo(path).absolutePath()).entryList({"history.sqlite.damaged-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(notice.contains(aside[0]));
    EXPECT_EQ(test::fileBytes(QFileInfo(path).absolutePath() + "/" + aside[0]),
              QByteArray(8192, 'x'));
    EXPECT_TRUE(noticesIn(*h.db, Language::Chinese).isEmpty()); // said once
    EXPECT_EQ(h.rows().size(), 1);
}

// Each case leaves the history unusable in its own way; every recording call must come back
// at once with "not recorded", and the caller carries on.
TEST(HistoryFaults, AnUnusableHistoryNeverStopsTheCaller) {
    struct Case {
        const char* name;
        std::function<QString(test::TempDir&)> path;
    };
    const std::initializer_list<Case> cases{
        // No one, not even root, may make a folder there.
        {"read-only folder", [](test::TempDir&) { return QStringLiteral("/proc/r5k27/h.sqlite"); }},
        {"folder is a file",
         [](test::TempDir& dir) { return dir.write("plain", "x") + "/history.sqlite"; }},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        HistoryDatabase db(c.path(dir));
        HistoryLog log(db);
        QElapsedTimer clock;
        clock.start();
        const OperationTicket ticket = log.begin({.kind = OperationKind::Write});
        EXPECT_EQ(ticket.id, 0) << c.name;
        EXPECT_FALSE(log.end(ticket, {.image = radioImage(1)})) << c.name;
        EXPECT_LT(clock.elapsed(), 1000) << c.name;
        const QString notice = noticesIn(db, Language::Chinese);
        EXPECT_TRUE(notice.contains("无法打开对讲机历史")) << c.name << notice.toStdString();
    }
}

TEST(HistoryFaults, ALockHeldTooLongGivesUpAfterTheBusyTimeout) {
    ScratchHistory h({.busyTimeoutMs = 200});
    ASSERT_TRUE(h.db->open());
    HistoryDatabase other(h.db->path());
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(execSql(other.connection(), "BEGIN EXCLUSIVE"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(logOperation(*h.log, OperationKind::Write, radioImage(1)), 0);
    EXPECT_LT(clock.elapsed(), 2000);
    ASSERT_TRUE(execSql(other.connection(), "ROLLBACK"));
    // Once the lock is gone the next operation is recorded whole.
    const OperationTicket ticket = h.log->begin({.kind = OperationKind::Read});
    ASSERT_TRUE(h.log->end(ticket, {.image = radioImage(2)}));
    EXPECT_EQ(h.rows().size(), 1);
}

TEST(HistoryFaults, AFullDiskFailsTheRecordingNotTheProgram) {
    ScratchHistory h;
    ASSERT_GT(logOperation(*h.log, OperationKind::Read, radioImage(1)), 0);
    const qint64 size = QFileInfo(h.db->path()).size() + QFileInfo(h.db->path() + "-wal").size();
    const QString report = test::runInChild([&] {
        test::setFileSizeLimit(size);
        // Incompressible images: the file has to grow.
        for (quint32 i = 0; i < 8; ++i)
            if (logOperation(*h.log, OperationKind::Read, radioImage(10 + i, false)) != 0)
                return QStringLiteral("recorded on a full disk");
        return QStringLiteral("ok");
    });
    EXPECT_EQ(report, "ok");
    EXPECT_EQ(h.rows().size(), 1);
}

int logMany(const QString& path, int count) {
    HistoryDatabase db(path);
    HistoryLog log(db, {.maxOperations = 100000});
    int failed = 0;
    for (int i = 0; i < count; ++i)
        failed += logOperation(log, OperationKind::GroupWrite, radioImage(quint32(i % 7)),
                               Outcome::Done, "ZT6666", i + 1) == 0;
    return failed;
}

TEST(HistoryFaults, TwoProgramsLoggingAtOnceLoseNothing) {
    test::TempDir dir;
    const QString path = dir.path("history.sqlite");
    QList<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(std::min(logMany(path, 200), 100));
        children << pid;
    }
    for (const pid_t pid : children) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    HistoryDatabase db(path);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db.connection());
    ASSERT_TRUE(query.exec("SELECT pid, COUNT(*), COUNT(DISTINCT radio) FROM operations "
                           "WHERE outcome = 'done' GROUP BY pid"));
    for (qsizetype i = 0; i < children.size(); ++i) {
        ASSERT_TRUE(query.next());
        EXPECT_TRUE(children.contains(pid_t(query.value(0).toLongLong())));
        EXPECT_EQ(query.value(1).toInt(), 200);
        EXPECT_EQ(query.value(2).toInt(), 200);
    }
    EXPECT_FALSE(query.next());
}

} // namespace
} // namespace r5k27
