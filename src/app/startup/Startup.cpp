#include "Startup.h"

#include "StartupSettings.h"
#include "core/document/InitialValues.h"
#include "core/lang/ShellCaptions.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QLocale>

namespace r5k27 {

void loadVersionList(AppContext& ctx) {
    const ProfileFile file(ctx.paths.versionListFile());
    // Read once: the list has a key per version, and the file may be large.
    const ProfileFile::Snapshot content = file.snapshot();
    ctx.versions = file.exists()
                       ? VersionList::load([&content](const QString& section, const QString& key) {
                             return content.read(section, key);
                         })
                       : VersionList::builtIn();
    ctx.doc.curImage.verTag.assign(kDataVersionTag);
}

QStringList startupNotices(const AppContext& ctx) {
    QStringList notices;
    for (const QString& path : {ctx.settingsFile, ctx.paths.versionListFile()})
        if (!path.isEmpty() && ProfileFile(path).holdsUtf16Text())
            notices << ShellCaptions::utf16File.in(ctx.settings.language)
                           .arg(QDir::toNativeSeparators(path));
    return notices;
}

void runStartup(AppContext& ctx, const StartupSteps& steps) {
    loadVersionList(ctx);
    // Numbers are shown and read with "." whatever the user's locale says; the system locale
    // itself is left alone, so there is nothing to restore at exit.
    QLocale::setDefault(QLocale::c());
    loadStartupSettings(ProfileFile(ctx.settingsFile), ctx.settings, ctx.doc.curImage);
    if (steps.showSplash)
        steps.showSplash();
    newDocumentAtStart(ctx.doc, ctx.settings, ctx.paths.programFolder);
    initCaptionTables(ctx.captions);
}

} // namespace r5k27
