#pragma once

#include "Document.h"
#include "core/common/AppSettings.h"

#include <QDate>
#include <QString>

namespace r5k27 {

enum class DefaultFileKind { New, Factory };

// programFolder/Init/<band digit>_ZT6666_New.dat (New) or .../<band digit>_ZT6666.dat (Factory).
QString defaultFilePath(const QString& programFolder, const QString& bandText,
                        DefaultFileKind kind);

// The built-in values of a new document for a work mode: header, seven channels in every group,
// options, identity texts and roger-beep tones. Tone steps the defaults do not name and the
// spare channel fields keep what they held. The band text follows the work mode.
void writeBuiltInDefaults(Document& doc, AppSettings& settings, int workMode, const QDate& today);

// The document at start: built-in values overlaid by the New default file when it can be read,
// stored as saved, untitled "new.dat".
void newDocumentAtStart(Document& doc, AppSettings& settings, const QString& programFolder,
                        const QDate& today = QDate::currentDate());

// Reads a default file into the document; a missing or unreadable one changes nothing and
// shows nothing. DocPath and DocUntitled are left alone.
bool loadDefaultFile(Document& doc, AppSettings& settings, const QString& programFolder,
                     DefaultFileKind kind);

} // namespace r5k27
