#pragma once

#include "HistoryWindow.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryLog.h"
#include "radio/LinkBackups.h"

#include <functional>

class QAction;

namespace r5k27 {

struct AppContext;
class FeatureHost;
class Prompter;
class RadioLinkFeature;

struct HistoryFeatureOptions {
    QString databasePath = HistoryDatabase::defaultPath();
    QString backupFolder = LinkBackups::defaultFolder();
};

// File › Radio History and its tree entry, Setup › Read the Radio Before Writing, and the
// history every radio operation of the program is recorded in. At start it opens the history
// (saying what became of a damaged one) and brings in the backup folder's sets once.
class HistoryFeature {
public:
    using WriteImage = std::function<void(const QByteArray& image, const HistoryRow& row)>;

    HistoryFeature(AppContext& ctx, FeatureHost& window, Prompter& prompter,
                   RadioLinkFeature& radio, HistoryFeatureOptions options = {});

    HistoryDatabase& database() { return db_; }
    HistoryLog& log() { return log_; }
    // The entry becomes the document: after the unsaved-changes question, untitled, windows as
    // after a read. False when the user kept the old document or the image cannot be read.
    bool openEntry(const QByteArray& image, const HistoryRow& row);
    void compareEntry(const QByteArray& image);
    // What "Write to Radio" runs; by default the entry becomes the document and the usual
    // write command sends it.
    void setWriteImage(WriteImage write) { writeImage_ = std::move(write); }
    HistoryWindow* makeWindow();

private:
    void showNotices();
    void setReadBeforeWriting(bool on);

    AppContext& ctx_;
    FeatureHost& window_;
    Prompter& prompter_;
    RadioLinkFeature& radio_;
    HistoryDatabase db_;
    HistoryLog log_;
    WriteImage writeImage_;
    QAction* readFirstItem_ = nullptr;
};

} // namespace r5k27
