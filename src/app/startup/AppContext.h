#pragma once

#include "InstallPaths.h"
#include "common/CaptionTables.h"
#include "core/common/AppSettings.h"
#include "core/common/DocumentEvents.h"
#include "core/document/Document.h"
#include "core/document/DocumentModel.h"
#include "core/image/VersionList.h"

namespace r5k27 {

// Everything that lives for the whole run, owned in one place and handed down by reference.
struct AppContext {
    InstallPaths paths;
    QString settingsFile;
    AppSettings settings;
    VersionList versions = VersionList::builtIn();
    Document doc;
    CaptionTables captions;
    // The document model announces every change here; windows redraw from it.
    DocumentEvents events;
    // The only way an editor changes the document.
    DocumentModel model{doc, events};
};

} // namespace r5k27
