#include "VersionLauncher.h"

namespace r5k27 {

QString versionProgramPath(const InstallPaths& paths, const QString& folder,
                           const QString& ownFileName) {
    return paths.installFolder + paths.separator + folder + paths.separator + ownFileName;
}

bool startVersionProgram(const QString& otherTag, const VersionList& versions,
                         const InstallPaths& paths, const QString& ownFileName, Language lang,
                         Prompter& prompter, const VersionLaunchHooks& hooks) {
    const QString folder = versions.folderOfVersion(otherTag);
    const QString path = versionProgramPath(paths, folder, ownFileName);
    if (folder.isEmpty() || !hooks.startProgram) {
        prompter.ask(VersionTexts::noSuchVersion.in(lang), Buttons::Ok, Icon::Warning);
        return false;
    }
    if (hooks.mayExit && !hooks.mayExit())
        return false;
    if (!hooks.startProgram(path)) {
        prompter.ask(VersionTexts::noSuchVersion.in(lang), Buttons::Ok, Icon::Warning);
        return false;
    }
    if (hooks.endThisProgram)
        hooks.endThisProgram();
    return true;
}

} // namespace r5k27
