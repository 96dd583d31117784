#pragma once

#include "core/common/AppSettings.h"
#include "core/image/MemoryImage.h"

#include <QString>

namespace r5k27 {

class ProfileFile;

inline const QString kSettingsSection = QStringLiteral("language");
// "1" when every written radio is read back and compared; off when missing.
inline const QString kVerifyAfterWritingKey = QStringLiteral("VerifyAfterWriting");
inline const QString kReadBeforeWritingKey = QStringLiteral("ReadBeforeWriting");
inline const QString kReadBeforeGroupWritingKey = QStringLiteral("ReadBeforeGroupWriting");
inline const QString kHistoryKeepOperationsKey = QStringLiteral("HistoryKeepOperations");
inline const QString kHistoryKeepMegabytesKey = QStringLiteral("HistoryKeepMegabytes");

// The settings step of start-up: reads the "language" section of the settings file into
// settings, sets the model constants, and writes "comPort", "CurrentLanguage" (and "IsFirstRun"
// after a first run) back. A missing file counts as a first run and is created.
void loadStartupSettings(const ProfileFile& file, AppSettings& settings, MemoryImage& curImage);

// The settings file the program uses: the installed one when it can be written, else a per-user
// copy in userConfigDir, seeded from the installed one the first time.
QString resolveSettingsFile(const QString& installedFile, const QString& userConfigDir,
                            bool installedWritable);
bool isWritableLocation(const QString& file);

} // namespace r5k27
