#pragma once

#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

inline const QString kBandTextCB = QStringLiteral("25.6150 - 30.1050 MHz");
inline const QString kBandTextHF = QStringLiteral("28.0000 - 29.6990 MHz");
// The work mode of the document before the first one is built: it names the default file looked
// for at start.
inline constexpr int kStartWorkMode = 1;

// Settings read at start and the radio-model constants (the band text is not one: it follows
// the work mode of the document); one instance lives for the whole run
// and is handed by reference to whoever needs it.
struct AppSettings {
    Language language = Language::English;
    Language appliedLanguage = Language::English; // the language the main window shows at present
    int comPortNo = 1;
    QString comPortName; // device chosen outside Windows (ttyUSB0, a typed path)
    int handshakeSetting = 0;
    int stopBitSetting = 1;
    // Read every written radio back and compare (settings key VerifyAfterWriting).
    bool verifyAfterWriting = false;
    // Setup › Read the Radio Before Writing (ReadBeforeWriting): a single write first reads the
    // radio and keeps what it held in the radio history. Group and several-cable writes, where
    // it costs a read per radio, follow ReadBeforeGroupWriting.
    bool readBeforeWriting = true;
    bool readBeforeGroupWriting = false;
    // How much radio history is kept (HistoryKeepOperations, HistoryKeepMegabytes).
    int historyKeepOperations = 2000;
    int historyKeepMegabytes = 200;

    QString modelName = QStringLiteral("BRELLOCK R5K27");
    QString modelCodeText = QStringLiteral("ZT6666");
    QString dataVersion = QStringLiteral("V200");
};

} // namespace r5k27
