#pragma once

#include "InstallPaths.h"
#include "core/common/Prompter.h"
#include "core/image/VersionList.h"
#include "core/lang/Language.h"

#include <functional>

namespace r5k27 {

struct VersionLaunchHooks {
    // Asked before leaving; false keeps this program running (unsaved changes kept).
    std::function<bool()> mayExit;
    std::function<bool(const QString& path)> startProgram;
    std::function<void()> endThisProgram;
};

// Path of the program version in folder f: install folder/f/<own file name>.
QString versionProgramPath(const InstallPaths& paths, const QString& folder,
                           const QString& ownFileName);

// Starts the installed program version that handles otherTag and ends this one, or tells the
// user that no such version is installed. Returns true when this program is ending.
bool startVersionProgram(const QString& otherTag, const VersionList& versions,
                         const InstallPaths& paths, const QString& ownFileName, Language lang,
                         Prompter& prompter, const VersionLaunchHooks& hooks);

} // namespace r5k27
