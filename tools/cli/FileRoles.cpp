#include "FileRoles.h"

#include "core/common/FileCommit.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFile.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace r5k27::cli {
namespace {

constexpr LocalText kSameFile{"%1 is both an input and an output, or two outputs at once.",
                              "%1 既是输入又是输出，或同时是两个输出。"};

// Whether two names reach one file: the same path once links and "." are resolved, or, for
// files that exist, the same file on disk (a hard link).
bool sameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    const auto resolved = [](const QFileInfo& f) {
        if (f.exists())
            return f.canonicalFilePath();
        const QString folder = f.dir().canonicalPath();
        return QDir::cleanPath((folder.isEmpty() ? f.absolutePath() : folder) + u'/' +
                               f.fileName());
    };
    if (resolved(fa) == resolved(fb))
        return true;
#ifdef Q_OS_UNIX
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
    return false;
}

} // namespace

FileRoles& FileRoles::readsDocument(const QString& dataPath) {
    inputs << dataPath << companionPath(dataPath);
    return *this;
}

FileRoles& FileRoles::reads(const QString& path) {
    inputs << path;
    return *this;
}

FileRoles& FileRoles::writesDocument(const QString& dataPath) {
    outputs << dataPath << companionPath(dataPath);
    return *this;
}

FileRoles& FileRoles::writes(const QString& path) {
    outputs << path;
    return *this;
}

int openDocumentFor(Session& s, const FileRoles& roles, const QString& dataPath) {
    if (!outputsAreSeparate(s, roles))
        return kFilesRefused;
    return openDataFile(s.files, dataPath) ? 0 : 1;
}

bool outputsAreSeparate(Session& s, const FileRoles& roles) {
    for (qsizetype k = 0; k < roles.outputs.size(); ++k) {
        const QString& output = roles.outputs[k];
        QStringList others = roles.inputs + roles.outputs.mid(k + 1);
        for (const QString& other : others) {
            if (sameFile(output, other)) {
                s.fail(kSameFile.in(s.lang()).arg(QDir::toNativeSeparators(output)));
                return false;
            }
        }
    }
    return true;
}

namespace {

void addRole(FileRoles& roles, QStringList& appended, FileRole role, const QString& path) {
    switch (role) {
    case FileRole::ReadsDocument:
        roles.readsDocument(path);
        break;
    case FileRole::ReadsFile:
        roles.reads(path);
        break;
    case FileRole::WritesDocument:
        roles.writesDocument(path);
        break;
    case FileRole::WritesFile:
        roles.writes(path);
        break;
    case FileRole::AppendsFile:
        roles.writes(path);
        appended << path;
        break;
    case FileRole::WritesFolder:
    case FileRole::None:
        break;
    }
}

// A new name or a regular file, never a link: appending through one would change a file the
// command line does not name.
bool mayAppendTo(const QString& path) {
    const QFileInfo info(path);
    return !info.isSymLink() && (info.isFile() || !info.exists());
}

} // namespace

int checkCommandFiles(Session& s, const Command& command, const CliArgs& args) {
    FileRoles roles;
    QStringList appended;
    for (qsizetype k = 0; k < args.files.size() && k < command.arguments.size(); ++k)
        addRole(roles, appended, command.arguments[k].role, args.files[k]);
    for (const CliOption& option : command.options)
        for (const QString& value :
             args.values(QStringLiteral("--") + QLatin1StringView(option.name)))
            addRole(roles, appended, option.role, value);
    if (!outputsAreSeparate(s, roles))
        return kUsageError;
    for (const QString& path : appended) {
        if (!mayAppendTo(path)) {
            s.fail(writeFailureMessage(DataFileTexts::fileError.in(s.lang()),
                                       {path, kNotRegularFile}, s.lang()));
            return kFileError;
        }
    }
    return 0;
}

bool isReadableFile(Session& s, const QString& path) {
    if (QFileInfo(path).isFile())
        return true;
    s.fail(DataFileTexts::fileError.in(s.lang()));
    return false;
}

} // namespace r5k27::cli
