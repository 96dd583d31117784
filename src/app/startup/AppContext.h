#pragma once

#include "InstallPaths.h"
#include "common/AppSettings.h"
#include "common/DocumentEvents.h"
#include "image/Document.h"
#include "image/VersionList.h"
#include "lang/CaptionTables.h"

namespace r5k27 {

// Everything that lives for the whole run, owned in one place and handed down by reference.
struct AppContext {
    InstallPaths paths;
    QString settingsFile;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    Document doc;
    CaptionTables captions;
    // Editors announce their changes here and hear about each other's.
    DocumentEvents events;
};

} // namespace r5k27
