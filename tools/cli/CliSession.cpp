#include "CliSession.h"

#include "core/lang/ShellCaptions.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

namespace r5k27::cli {
namespace {

// The version list lives one level above the program folder, as in an install. One saved as
// UTF-16 text reads as empty, which is said, as the program says it.
VersionList loadVersions(const QString& programFolder, QTextStream& err) {
    const ProfileFile file(QFileInfo(programFolder).dir().filePath(QStringLiteral("Version.ini")));
    if (!file.exists())
        return VersionList::builtIn();
    if (file.holdsUtf16Text())
        err << ShellCaptions::utf16File.in(Language::English)
                   .arg(QDir::toNativeSeparators(file.path()))
            << '\n';
    // Read once: the list has a key per version, and the file may be large.
    const ProfileFile::Snapshot content = file.snapshot();
    return VersionList::load([&content](const QString& section, const QString& key) {
        return content.read(section, key);
    });
}

} // namespace

Session::Session(const QString& folder, QTextStream& outStream, QTextStream& notesStream,
                 QTextStream& errStream, bool progress)
    : programFolder(folder)
    , out(outStream)
    , err(errStream)
    , showProgress(progress)
    , prompter(notesStream, errStream)
    , versions(loadVersions(folder, errStream)) {}

} // namespace r5k27::cli
