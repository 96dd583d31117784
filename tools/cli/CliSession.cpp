#include "CliSession.h"

#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

namespace r5k27::cli {
namespace {

// The version list lives one level above the program folder, as in an install.
VersionList loadVersions(const QString& programFolder) {
    const ProfileFile file(QFileInfo(programFolder).dir().filePath(QStringLiteral("Version.ini")));
    if (!file.exists())
        return VersionList::builtIn();
    // Read once: the list has a key per version, and the file may be large.
    const ProfileFile::Snapshot content = file.snapshot();
    return VersionList::load([&content](const QString& section, const QString& key) {
        return content.read(section, key);
    });
}

} // namespace

Session::Session(const QString& folder, QTextStream& outStream, QTextStream& errStream,
                 bool progress)
    : programFolder(folder)
    , out(outStream)
    , err(errStream)
    , showProgress(progress)
    , prompter(outStream, errStream)
    , versions(loadVersions(folder)) {}

} // namespace r5k27::cli
