#include "HistoryDatabase.h"

#include "HistorySchema.h"
#include "platform/ProcessAlive.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

namespace r5k27 {
namespace {

constexpr LocalText kDamaged{
    "The radio history %1 was damaged. It was moved to %2 and a new history was started.",
    "对讲机历史 %1 已损坏，已移至 %2，并新建了历史。"};
constexpr LocalText kCannotOpen{
    "The radio history %1 cannot be opened (%2). Radio operations go on, but are not recorded "
    "until it can be.",
    "无法打开对讲机历史 %1（%2）。对讲机操作照常进行，但在能打开之前不会被记录。"};
constexpr qint64 kRetryAfterMs = 60'000;

// SQLite's primary result codes for a file that is not, or no longer, a database.
bool isDamage(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 /* SQLITE_CORRUPT */ || code == 26 /* SQLITE_NOTADB */;
}

} // namespace

bool execSql(QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    return query.exec(sql);
}

HistoryDatabase::HistoryDatabase(QString path, HistoryOptions options)
    : path_(std::move(path))
    , options_(options)
    , connectionName_(QStringLiteral("history-") + QUuid::createUuid().toString()) {}

HistoryDatabase::~HistoryDatabase() {
    close();
    QSqlDatabase::removeDatabase(connectionName_);
}

QString HistoryDatabase::defaultPath() {
    // Named as Qt names the program's own data folder (organisation/application), so the
    // command-line tool, which has no such names, finds the same file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/BRELLOCK/R5K27 Programmer/history.sqlite");
}

void HistoryDatabase::close() {
    if (db_.isValid())
        db_.close();
    db_ = QSqlDatabase();
}

bool HistoryDatabase::open() {
    if (isOpen())
        return true;
    if (sinceFailure_.isValid() && sinceFailure_.elapsed() < kRetryAfterMs)
        return false;
    Attempt attempt = tryOpen();
    if (attempt == Attempt::Damaged)
        attempt = moveAside() ? tryOpen() : Attempt::Failed;
    if (attempt == Attempt::Ok) {
        sinceFailure_.invalidate();
        markInterrupted();
        return true;
    }
    close();
    sinceFailure_.start();
    // Said once a run: a user who has heard it needs no reminder with every operation.
    if (!failureNoticed_)
        notices_.append(formatted(kCannotOpen, QDir::toNativeSeparators(path_), lastError_));
    failureNoticed_ = true;
    return false;
}

HistoryDatabase::Attempt HistoryDatabase::tryOpen() {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        lastError_ = QDir::toNativeSeparators(QFileInfo(path_).absolutePath());
        return Attempt::Failed;
    }
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db_.setDatabaseName(path_);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options_.busyTimeoutMs));
    if (!db_.open()) {
        lastError_ = db_.lastError().text();
        return Attempt::Failed;
    }
    QSqlQuery query(db_);
    // The first statement that reads the file tells a database from anything else.
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) ||
        !query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        lastError_ = query.lastError().text();
        return isDamage(query.lastError()) ? Attempt::Damaged : Attempt::Failed;
    }
    const int version = query.value(0).toInt();
    query.finish();
    // WAL lets the program and the command-line tool read while the other writes; a commit
    // reaches the disk at the next checkpoint, which a history of operations can afford.
    // A statement still open would keep the schema's transaction from committing.
    const bool ready = query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.finish();
    if (!ready || !execSql(db_, QStringLiteral("PRAGMA synchronous=NORMAL")) || !migrate(version)) {
        lastError_ =
            query.lastError().isValid() ? query.lastError().text() : db_.lastError().text();
        return isDamage(query.lastError()) ? Attempt::Damaged : Attempt::Failed;
    }
    return Attempt::Ok;
}

bool HistoryDatabase::migrate(int version) {
    const auto& steps = historyMigrations();
    if (version >= int(steps.size()))
        return true;
    if (version == 0)
        execSql(db_, QStringLiteral("PRAGMA auto_vacuum=INCREMENTAL"));
    // Two programs starting at once: the second finds the work done once it gets the lock.
    if (!execSql(db_, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        execSql(db_, QStringLiteral("ROLLBACK"));
        return false;
    }
    const int current = query.value(0).toInt();
    query.finish();
    for (int v = current; v < int(steps.size()); ++v) {
        for (const QString& statement : steps[std::size_t(v)])
            if (!query.exec(statement)) {
                lastError_ = query.lastError().text();
                execSql(db_, QStringLiteral("ROLLBACK"));
                return false;
            }
    }
    execSql(db_, QStringLiteral("PRAGMA user_version=%1").arg(steps.size()));
    return execSql(db_, QStringLiteral("COMMIT"));
}

bool HistoryDatabase::moveAside() {
    close();
    QSqlDatabase::removeDatabase(connectionName_);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    if (!QFile::rename(path_, aside))
        return false;
    // The journal files belong to the damaged file and would confuse a new one.
    for (const char* suffix : {"-wal", "-shm"})
        if (QFile::exists(path_ + QLatin1String(suffix)))
            QFile::rename(path_ + QLatin1String(suffix), aside + QLatin1String(suffix));
    notices_.append(
        formatted(kDamaged, QDir::toNativeSeparators(path_), QDir::toNativeSeparators(aside)));
    return true;
}

void HistoryDatabase::markInterrupted() {
    QSqlQuery query(db_);
    if (!query.exec(
            QStringLiteral("SELECT DISTINCT pid FROM operations WHERE outcome = 'running'")))
        return;
    QList<qint64> gone;
    while (query.next())
        if (const qint64 pid = query.value(0).toLongLong();
            pid != options_.pid && !processIsAlive(pid))
            gone.append(pid);
    QSqlQuery update(db_);
    update.prepare(QStringLiteral(
        "UPDATE operations SET outcome = 'interrupted' WHERE outcome = 'running' AND pid = ?"));
    for (const qint64 pid : gone) {
        update.bindValue(0, pid);
        update.exec();
    }
}

QList<LocalString> HistoryDatabase::takeNotices() {
    return std::exchange(notices_, {});
}

} // namespace r5k27

namespace r5k27 {

QString historyMeta(QSqlDatabase& db, const QString& key) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    query.addBindValue(key);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool setHistoryMeta(QSqlDatabase& db, const QString& key, const QString& value) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO meta(key, value) VALUES(?, ?)"));
    query.addBindValue(key);
    query.addBindValue(value);
    return query.exec();
}

} // namespace r5k27
