#pragma once

#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

struct AppContext;
class FileDialogs;
class MainWindow;
class Prompter;

// File › Export Channels and Import Channels: the channel list as a comma-separated file.
class ChannelListFeature {
public:
    ChannelListFeature(AppContext& ctx, MainWindow& window, FileDialogs& dialogs,
                       Prompter& prompter);

    void exportChannels();
    void importChannels();
    // The import of one file as one undoable step; rows it could not take are shown.
    void importFrom(const QString& path);

private:
    Language lang() const;

    AppContext& ctx_;
    MainWindow& window_;
    FileDialogs& dialogs_;
    Prompter& prompter_;
};

} // namespace r5k27
