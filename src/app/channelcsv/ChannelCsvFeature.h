#pragma once

#include "startup/FileCommandContext.h"

#include <QString>

namespace r5k27 {

// File › Export Channels and Import Channels: the channel list as a comma-separated file.
class ChannelCsvFeature {
public:
    ChannelCsvFeature(AppContext& ctx, FeatureHost& window, FileDialogs& dialogs,
                      Prompter& prompter);

    void exportChannels();
    void importChannels();
    // The import of one file as one undoable step; rows it could not take are shown.
    void importFrom(const QString& path);

private:
    Language lang() const { return app_.lang(); }

    FileCommandContext app_;
};

} // namespace r5k27
