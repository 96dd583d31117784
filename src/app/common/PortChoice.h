#pragma once

#include "core/common/AppSettings.h"

#include <QString>

namespace r5k27 {

// The status bar's port panel: "COM3" (the caption and the number) on Windows, the chosen device
// elsewhere, where port numbers mean nothing.
QString portStatusText(const AppSettings& settings, const QString& comCaption);

// Keeps the port chosen in the port window: the name always ("comPortName"), the number
// ("comPort") when the name is "COM" and a number. An empty choice clears both in memory and
// writes nothing.
void keepPortChoice(AppSettings& settings, const QString& settingsFile, const QString& choice);

} // namespace r5k27
