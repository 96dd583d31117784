#pragma once

#include "Document.h"
#include "core/common/AppSettings.h"
#include "core/common/FileCommit.h"
#include "core/common/Prompter.h"
#include "core/image/VersionList.h"
#include "core/lang/Language.h"

#include <functional>

// Opening and saving a document: the data file and its channel file beside it.
//
// Crash guarantee of a save: both files (and any further outputs of the same command) are
// written and synced under temporary names, under a lock that makes other savers of the same
// file wait (see common/FileCommit.h), then a commit marker beside the data file is
// written and synced, then the files are renamed into place and the marker removed (see
// common/FileCommit.h). openDataFile first finishes a save whose marker is complete and
// discards temporaries without one. So whenever the process or the machine stops, the next
// open sees either the whole old pair or the whole new pair, never a data file with the other
// save's channel file, and no temporary or marker is left after it. A save that fails before
// the renames (a full disk, say) leaves the old files byte for byte as they were; should a
// rename itself fail after another succeeded, the marker stays and the next open completes the
// new pair. Further outputs are renamed after the pair and are not rolled forward.

namespace r5k27 {

namespace DataFileTexts {
inline constexpr LocalText fileError{"file error.", "文件错误。"};
} // namespace DataFileTexts

// "Wrong data file length: N bytes (1344 expected)." in the given language.
QString wrongLengthMessage(qint64 length, Language lang);

// What opening and saving work on; the caller owns all of it.
struct DataFileContext {
    Document& doc;
    AppSettings& settings;
    const VersionList& versions;
    Prompter& prompter;
    // Every file the open and the save touch goes through these.
    FileSystemCalls& fs;
    // Starts the installed program version that handles a data-file tag and ends this one
    // (it reports a missing version itself). Unset: the user is told no such version exists.
    std::function<void(const QString& tag)> startVersionProgram = {};
};

// Opens the data file at path and its channel file with every check, asking and reporting
// through the prompter. On success the document is replaced, named path and no longer untitled;
// on any refusal or failure the document, its saved copy and its path stay exactly as they were.
bool openDataFile(DataFileContext& ctx, const QString& path);

// Saves the document as path and its channel file, with alsoWrite (other outputs of the same
// command): all are replaced or none, short of a crash during the renames. The saved copy, DocPath
// and DocUntitled change only when all were written. A failure is reported with the file and the
// reason.
bool saveDataFile(DataFileContext& ctx, const QString& path,
                  const QList<FileOutput>& alsoWrite = {});

// The commit marker of a save to dataPath (see above).
QString commitMarkerPath(const QString& dataPath);

// Reads a data file and its channel file without checks or messages (the default files). False,
// with the document untouched, when either file is missing or unusable.
bool readPlainFile(Document& doc, AppSettings& settings, const QString& path);

// Identity fields of image from the model code text and the work mode's band (the model code
// text is trimmed on the way).
void refreshIdentity(MemoryImage& image, AppSettings& settings);
// Identity refresh and version tag of the working record, then the working pair becomes the
// saved pair.
void prepareForWrite(Document& doc, AppSettings& settings);
// The saved pair becomes the working pair; the data version, model code text and band text
// follow the record.
void applyFileImage(Document& doc, AppSettings& settings);

} // namespace r5k27
