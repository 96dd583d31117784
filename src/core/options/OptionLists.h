#pragma once

#include "core/lang/Language.h"

#include <QStringList>

namespace r5k27 {

struct MemoryImage;

// The choice lists of the option values, in the user's language.
enum class OptionList {
    None,
    OffOn,      // "OFF", "ON"
    NbAnlOffOn, // as OffOn
    Indic,
    ScanMode,
    FinTone,
    Color,
    NoiseGateLevels,
    Tot,       // position p stands for Tot = 3p
    Mic,       // "1".."36"
    OneToNine, // "1".."9"
    FreqCh,
    WorkMode,
    ChannelMode,
    PubMode,  // the enabled modes, PA allowed
    DtmfRef,  // OFF, then the numbers of the codes in use
    RogerRef, // OFF, then the numbers of the playable sequences
};

// The image matters only for the lists that depend on other data (PubMode, DtmfRef, RogerRef).
QStringList optionList(OptionList list, const MemoryImage& image, Language lang);

} // namespace r5k27
