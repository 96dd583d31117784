#pragma once

#include "RadioJobEvents.h"
#include "core/common/Prompter.h"
#include "core/lang/Language.h"
#include "core/link/LinkFrames.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace r5k27 {

struct AppSettings;
class VersionList;

enum class PortState { Waiting, Reading, Writing, Verifying, Written, Failed };

// One cable of a write to several radios at once.
struct PortRow {
    QString port;
    PortState state = PortState::Waiting;
    int percent = 0;
    LinkFrames::RadioIdentity identity;
    // Why it failed, or the completion text; in the user's language.
    QString message;
};

class LinkBackups;

// Writes one document through several serial ports at the same time: one radio job per port on
// the caller's event loop, each a single write with its identity check and, when asked, its
// read-back. A port that fails or waits for an answer holds up none of the others; its
// questions name it. The document sent is kept once, as every cable gets the same.
class MultiPortWrite {
public:
    MultiPortWrite(const AppSettings& settings, const VersionList& versions, Prompter& prompter);
    ~MultiPortWrite();
    MultiPortWrite(const MultiPortWrite&) = delete;
    MultiPortWrite& operator=(const MultiPortWrite&) = delete;

    // Reads each radio back after its write; a radio counts as written only when it matches.
    void setVerify(bool verify) { verify_ = verify; }
    // Reads each radio before writing it; the listener keeps what it held.
    void setReadFirst(bool readFirst) { readFirst_ = readFirst; }
    // Every port's lines go to this file, labelled with the port.
    void setTraceFile(const QString& path) { tracePath_ = path; }
    void setRowChanged(std::function<void(int row)> changed) { rowChanged_ = std::move(changed); }
    void setAllDone(std::function<void()> done) { allDone_ = std::move(done); }
    void setBackups(LinkBackups* backups) { backups_ = backups; }
    void setListener(RadioJobListener* listener) { listener_ = listener; }

    // Starts every port; false (and nothing started) when the document does not fit the radio
    // (told) or the trace file cannot be written.
    bool start(const QStringList& ports, const Document& doc);
    // Stops each port as soon as that leaves no radio half written: a port writing blocks
    // finishes its radio first (without its read-back), every radio gets its end request.
    void stop();
    // Stops every port now; each radio still gets its end request.
    void stopNow();
    // stop() was called: a person or a stop signal asked.
    bool stopRequested() const { return stopRequested_; }

    bool isRunning() const;
    const QList<PortRow>& rows() const { return rows_; }
    int writtenCount() const;

private:
    class Port;
    friend class Port;
    void update(int row);
    void portEnded();

    const AppSettings& settings_;
    const VersionList& versions_;
    Prompter& prompter_;
    LinkBackups* backups_ = nullptr;
    RadioJobListener* listener_ = nullptr;
    bool verify_ = false;
    bool readFirst_ = false;
    bool stopRequested_ = false;
    bool starting_ = false;
    QString tracePath_;
    std::function<void(int)> rowChanged_;
    std::function<void()> allDone_;
    QList<PortRow> rows_;
    std::vector<std::unique_ptr<Port>> ports_;
};

// The row's state as the progress window and the command-line summary show it.
QString portStateText(PortState state, Language lang);
// "port: state: message" for every row, then "3 of 4 radios written.".
QStringList portOutcomeLines(const MultiPortWrite& write, Language lang);

} // namespace r5k27
