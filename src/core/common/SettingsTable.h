#pragma once

#include <QLatin1StringView>
#include <QString>
#include <span>

namespace r5k27 {

// Where a setting is kept: the settings file beside the install (shared by every user of it,
// read by other installed versions too) or the per-user store (registry on Windows).
enum class SettingStore { SettingsFile, UserStore };
enum class SettingType { Integer, Flag, Text };

// One setting: where it lives, how it is spelled there and what it is when missing. Every read
// and write of a setting names its row, so a key is spelled once.
struct Setting {
    SettingStore store;
    QLatin1StringView section;
    QLatin1StringView key; // "%1" in a numbered key (the recent files) takes the number
    SettingType type;
    QLatin1StringView defaultText;

    QString keyAt(int number) const {
        return key.contains(QLatin1StringView("%1")) ? QString(key).arg(number) : QString(key);
    }
    QString defaultValue() const { return QString(defaultText); }
};

namespace Settings {
using namespace Qt::Literals::StringLiterals;
constexpr SettingStore kFile = SettingStore::SettingsFile;
constexpr SettingStore kUser = SettingStore::UserStore;

// A missing settings file is a first run; a file without the key is not.
inline constexpr Setting isFirstRun{kFile, "language"_L1, "IsFirstRun"_L1, SettingType::Flag,
                                    "0"_L1};
inline constexpr Setting comPort{kFile, "language"_L1, "comPort"_L1, SettingType::Integer, "1"_L1};
inline constexpr Setting comPortName{kFile, "language"_L1, "comPortName"_L1, SettingType::Text,
                                     ""_L1};
inline constexpr Setting handshaking{kFile, "language"_L1, "Handshaking"_L1, SettingType::Integer,
                                     "0"_L1};
inline constexpr Setting stopBit{kFile, "language"_L1, "StopBit"_L1, SettingType::Integer, "1"_L1};
inline constexpr Setting currentLanguage{kFile, "language"_L1, "CurrentLanguage"_L1,
                                         SettingType::Integer, "1"_L1};
inline constexpr Setting verifyAfterWriting{kFile, "language"_L1, "VerifyAfterWriting"_L1,
                                            SettingType::Flag, "0"_L1};
// The radio history: read a radio before writing it (single writes, and group or several-cable
// writes), and how much history is kept.
inline constexpr Setting readBeforeWriting{kFile, "language"_L1, "ReadBeforeWriting"_L1,
                                           SettingType::Flag, "1"_L1};
inline constexpr Setting readBeforeGroupWriting{kFile, "language"_L1, "ReadBeforeGroupWriting"_L1,
                                                SettingType::Flag, "0"_L1};
inline constexpr Setting historyKeepOperations{kFile, "language"_L1, "HistoryKeepOperations"_L1,
                                               SettingType::Integer, "2000"_L1};
inline constexpr Setting historyKeepMegabytes{kFile, "language"_L1, "HistoryKeepMegabytes"_L1,
                                              SettingType::Integer, "200"_L1};

// The main window's place in twips.
inline constexpr Setting mainLeft{kUser, "Settings"_L1, "MainLeft"_L1, SettingType::Integer,
                                  "100"_L1};
inline constexpr Setting mainTop{kUser, "Settings"_L1, "MainTop"_L1, SettingType::Integer,
                                 "100"_L1};
inline constexpr Setting mainWidth{kUser, "Settings"_L1, "MainWidth"_L1, SettingType::Integer,
                                   "14500"_L1};
inline constexpr Setting mainHeight{kUser, "Settings"_L1, "MainHeight"_L1, SettingType::Integer,
                                    "10500"_L1};
inline constexpr Setting lastFolder{kUser, "Settings"_L1, "LastFolder"_L1, SettingType::Text,
                                    ""_L1};
inline constexpr Setting recentFile{kUser, "RecentFiles"_L1, "File%1"_L1, SettingType::Text, ""_L1};
} // namespace Settings

// Every setting of the program, for the checks that keep the table whole.
std::span<const Setting> allSettings();

// A stored integer; the row's default when the text is missing or no whole number.
int settingInteger(const Setting& setting, const QString& stored);
// A stored flag: "True"/"False" (as hand-edited files say) or a number, non-zero for on; the
// row's default when missing, off for any other text.
bool settingFlag(const Setting& setting, const QString& stored);

} // namespace r5k27
