#pragma once

#include "HistoryWindow.h"
#include "core/common/SettingsTable.h"
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

// File › Radio History and its tree entry, Setup › Read the Radio Before Writing (and Read Each
// Radio Before Group Writing, for group and several-cable writes), and the
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
    // What "Write to Radio" runs; by default the stored memory is written as it is.
    void setWriteImage(WriteImage write) { writeImage_ = std::move(write); }
    HistoryWindow* makeWindow();

private:
    void showNotices();
    // A checkable Setup item that keeps a switch of the settings and its file in step.
    void addSettingItem(const char* name, const LocalText& text, const Setting& setting,
                        bool& value);

    AppContext& ctx_;
    FeatureHost& window_;
    Prompter& prompter_;
    RadioLinkFeature& radio_;
    HistoryDatabase db_;
    HistoryLog log_;
    WriteImage writeImage_;
};

} // namespace r5k27
