#pragma once

#include <QStringList>
#include <array>

namespace r5k27 {

// The statements that bring the history from schema version i to i + 1; the file's
// PRAGMA user_version says how far it has come. A new version appends a step, never edits one.
inline const std::array<QStringList, 1>& historyMigrations() {
    static const std::array<QStringList, 1> steps{QStringList{
        // Each image once, keyed by its SHA-256 and kept compressed: a shop writing one
        // document to forty radios stores it once.
        QStringLiteral("CREATE TABLE images(id INTEGER PRIMARY KEY, sha256 BLOB NOT NULL UNIQUE, "
                       "data BLOB NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE operations(id INTEGER PRIMARY KEY AUTOINCREMENT, "
            "started INTEGER NOT NULL, ended INTEGER, kind TEXT NOT NULL, "
            "radio INTEGER NOT NULL DEFAULT 0, port TEXT NOT NULL DEFAULT '', "
            "cable_product TEXT NOT NULL DEFAULT '', cable_serial TEXT NOT NULL DEFAULT '', "
            "model TEXT NOT NULL DEFAULT '', firmware TEXT NOT NULL DEFAULT '', "
            "document TEXT NOT NULL DEFAULT '', image_id INTEGER REFERENCES images(id), "
            "outcome TEXT NOT NULL, message TEXT NOT NULL DEFAULT '', duration_ms INTEGER, "
            "program_version TEXT NOT NULL DEFAULT '', pid INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE INDEX operations_started ON operations(started)"),
        QStringLiteral("CREATE INDEX operations_image ON operations(image_id)"),
        QStringLiteral(
            "CREATE INDEX operations_running ON operations(pid) WHERE outcome = 'running'"),
        // The operation holding the newest image of each radio model: never pruned.
        QStringLiteral("CREATE TABLE newest_image(model TEXT PRIMARY KEY, "
                       "operation_id INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
    }};
    return steps;
}

} // namespace r5k27
