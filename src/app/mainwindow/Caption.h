#pragma once

#include "core/common/AppSettings.h"

#include <QString>

namespace r5k27 {

// The file name part of a document path: the text after its last "\" or "/".
QString fileNameOfPath(const QString& path);

// ModelName[band text][File Name:file name]
QString mainWindowCaption(const AppSettings& settings, int workMode, const QString& docPath);
// ModelName[band text], the status bar's band panel.
QString bandStatusText(const AppSettings& settings, int workMode);

} // namespace r5k27
