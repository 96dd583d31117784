#pragma once

#include "SettingsTable.h"
#include "core/lang/Language.h"

#include <QString>

namespace r5k27 {

inline const QString kBandTextCB = QStringLiteral("25.6150 - 30.1050 MHz");
inline const QString kBandTextHF = QStringLiteral("28.0000 - 29.6990 MHz");
// The work mode of the document before the first one is built: it names the default file looked
// for at start.
inline constexpr int kStartWorkMode = 1;

// Settings read at start (their defaults are the settings table's) and the radio-model constants
// (the band text is not one: it follows the work mode of the document); one instance lives for the
// whole run and is handed by reference to whoever needs it.
struct AppSettings {
    Language language = Language::English;
    Language appliedLanguage = Language::English; // the language the main window shows at present
    int comPortNo = settingInteger(Settings::comPort, {});
    QString comPortName; // device chosen outside Windows (ttyUSB0, a typed path)
    int handshakeSetting = settingInteger(Settings::handshaking, {});
    int stopBitSetting = settingInteger(Settings::stopBit, {});
    // Read every written radio back and compare (settings key VerifyAfterWriting).
    bool verifyAfterWriting = settingFlag(Settings::verifyAfterWriting, {});
    // Setup › Read the Radio Before Writing (ReadBeforeWriting): a single write first reads the
    // radio and keeps what it held in the radio history. Group and several-cable writes, where
    // it costs a read per radio, follow ReadBeforeGroupWriting.
    bool readBeforeWriting = settingFlag(Settings::readBeforeWriting, {});
    bool readBeforeGroupWriting = settingFlag(Settings::readBeforeGroupWriting, {});
    // How much radio history is kept (HistoryKeepOperations, HistoryKeepMegabytes).
    int historyKeepOperations = settingInteger(Settings::historyKeepOperations, {});
    int historyKeepMegabytes = settingInteger(Settings::historyKeepMegabytes, {});

    QString modelName = QStringLiteral("BRELLOCK R5K27");
    QString modelCodeText = QStringLiteral("ZT6666");
    QString dataVersion = QStringLiteral("V200");
};

} // namespace r5k27
