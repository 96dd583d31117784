#pragma once

#include "core/lang/Language.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace r5k27 {

// What a radio operation did. The key is what the database, the CSV and the command line use.
enum class OperationKind {
    Read,
    Write,
    GroupWrite,
    SeveralWrite,
    Verify,
    Compare,
    ReadBeforeWrite
};
// How it ended; Running until its end is recorded, Interrupted when the program never got there.
enum class Outcome { Running, Done, Failed, Cancelled, VerifyMismatch, Interrupted };

QString kindKey(OperationKind kind);
std::optional<OperationKind> kindFromKey(const QString& key);
QString outcomeKey(Outcome outcome);
std::optional<Outcome> outcomeFromKey(const QString& key);
// "read", "write", ... and "done", "failed", ... in the order above, for usage texts and lists.
QStringList kindKeys();
QStringList outcomeKeys();

// The text a user reads; a group write names its radio ("Group write, radio 3").
QString kindText(OperationKind kind, int radioNumber, Language lang);
QString outcomeText(Outcome outcome, Language lang);

// Known as the operation starts.
struct OperationStart {
    OperationKind kind = OperationKind::Read;
    int radioNumber = 0; // a group write: which radio of the run, from 1
    QString port = {};
    // The cable's USB product and serial number, where the system tells them.
    QString cableProduct = {};
    QString cableSerial = {};
    // The document's file name (a read: the name the new document gets).
    QString document = {};
};

// Known as it ends.
struct OperationEnd {
    Outcome outcome = Outcome::Done;
    // Failed: the message the user saw; a verify mismatch: the first values that differed.
    QString message = {};
    // From the radio's identity check, empty when it never answered.
    QString model = {};
    QString firmware = {};
    // The radio's 16 KiB memory as read or as written; empty when none went across.
    QByteArray image = {};
};

// One operation on its way: given by begin, handed back to end. id is 0 when the start could
// not be recorded; the end then records the whole operation at once.
struct OperationTicket {
    qint64 id = 0;
    OperationStart start = {};
    QDateTime started = {};
};

} // namespace r5k27
