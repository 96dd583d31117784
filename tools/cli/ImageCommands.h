#pragma once

#include "CliArgs.h"
#include "CliSession.h"

#include <QByteArray>
#include <optional>

namespace r5k27::cli {

// encode FILE.dat IMG and decode IMG FILE.dat, their files already checked by the dispatcher.
int encodeDocument(Session& s, const CliArgs& args);
int decodeDocument(Session& s, const CliArgs& args);

// The radio image of the open document, as a write sends it; nullopt (with the refusal shown)
// when a value does not fit the radio.
std::optional<QByteArray> encodedDocument(Session& s);
// Writes a 16384-byte image atomically; "file error." with the file and the reason when it
// cannot.
bool saveImageFile(Session& s, const QByteArray& image, const QString& path);
// A radio image into the session's document, as a read makes it; the values the radio held
// outside their range are named on stderr with what replaced them.
void decodeIntoDocument(Session& s, const QByteArray& image);

} // namespace r5k27::cli
