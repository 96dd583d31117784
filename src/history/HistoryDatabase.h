#pragma once

#include "core/lang/Language.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace r5k27 {

struct HistoryOptions {
    // How long a statement waits for another program (GUI and CLI log at once) before it gives up.
    int busyTimeoutMs = 3000;
    // The process recorded with each operation it starts; a running operation of a process that
    // is gone was interrupted.
    qint64 pid = QCoreApplication::applicationPid();
};

// The SQLite file of the radio history: opened on first use, its schema created and brought up
// to date, a damaged file moved aside for a fresh one. A history that cannot be opened is off
// for the moment, never an obstacle to the radio operation being recorded.
class HistoryDatabase {
public:
    static constexpr int kSchemaVersion = 1;

    explicit HistoryDatabase(QString path, HistoryOptions options = {});
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // "history.sqlite" in the program's per-user data folder, beside the backup folder; the
    // same file for the program and the command-line tool.
    static QString defaultPath();
    const QString& path() const { return path_; }
    const HistoryOptions& options() const { return options_; }

    // True when usable. After a failure, another attempt is made only once a minute, so a
    // locked or unwritable file costs each radio operation nothing.
    bool open();
    bool isOpen() const { return db_.isOpen(); }
    QSqlDatabase& connection() { return db_; }
    // What the user should hear about the history since the last call (a damaged file moved
    // aside, a history that cannot be kept), in every language.
    QList<LocalString> takeNotices();

private:
    enum class Attempt { Ok, Damaged, Failed };
    Attempt tryOpen();
    bool migrate(int version);
    bool moveAside();
    void markInterrupted();
    void close();

    QString path_;
    HistoryOptions options_;
    QString connectionName_;
    QSqlDatabase db_;
    QString lastError_;
    QElapsedTimer sinceFailure_;
    bool failureNoticed_ = false;
    QList<LocalString> notices_;
};

// Runs one statement; false when it failed.
bool execSql(QSqlDatabase& db, const QString& sql);

} // namespace r5k27

namespace r5k27 {

// Small facts the program keeps with the history ("backups imported"); empty when unset.
QString historyMeta(QSqlDatabase& db, const QString& key);
bool setHistoryMeta(QSqlDatabase& db, const QString& key, const QString& value);

} // namespace r5k27
