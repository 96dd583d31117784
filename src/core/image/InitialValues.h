#pragma once

#include "Document.h"
#include "common/AppSettings.h"

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

// Gives a group of mode 0..1 and group 1..10 its channel 1 at the group's default frequency
// (unless it has one), then asks for row 1 of that group to be redrawn.
void resetGroupFirstChannel(MemoryImage& image, ChTable& table, int mode, int group);

} // namespace r5k27
