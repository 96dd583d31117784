#pragma once

#include "core/lang/Language.h"

#include <QString>
#include <memory>
#include <span>

class QWidget;

namespace r5k27::shots {

// The windows the user guide shows, each under the file name the guide uses.
enum class Shot { Main, Channels, Options, Dtmf, RogerBeep, SeveralRadios, RadioHistory };

struct ShotInfo {
    Shot shot;
    const char* file; // "channels.png"
};
std::span<const ShotInfo> allShots();

// The program's windows on a fixed sample document, with no files, ports or questions of the
// machine they run on, so that every build draws the same pictures.
class ShotSession {
public:
    // scratchFolder takes the program folder and settings the windows expect.
    explicit ShotSession(const QString& scratchFolder);
    ~ShotSession();

    // The window as the guide pictures it, laid out and shown in that language; it stays open
    // until the next call. Its size is the picture's size.
    QWidget* open(Shot shot, Language lang);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace r5k27::shots
