#pragma once

#include "core/lang/Language.h"

#include <QObject>
#include <QString>

namespace r5k27 {

// A short name of one user change, in every language, for the Undo and Redo menu items.
using EditName = LocalString;

// What one change of the document touched, so a window redraws only what it shows of it.
struct DocumentChange {
    enum class Kind {
        Whole,      // new, open, a radio read, an import, undo and redo
        WorkMode,   // the work mode, and with it the band
        Channel,    // one field (or the frequency) of an existing channel
        ChannelSet, // a channel added or deleted; the group's references were repaired
        Group,      // a group setting: in use, references, name, the work group
        Option,     // an option value of the options window
        Dtmf,       // a DTMF code or setting
        RogerBeep,  // a roger-beep sequence
    };
    Kind kind = Kind::Whole;
    int mode = -1; // 0..1 where the change belongs to a work mode
    int group = 0; // 1..10 (memory channels live in group 1)
    int chNo = 0;  // 1..46 for channel changes
    int item = -1; // the channel field, option id, DTMF code number or roger-beep sequence
    // Knock-on changes the rules made on the way.
    bool dtmfReferences = false;  // references to DTMF codes were rechecked
    bool rogerReferences = false; // references to roger-beep sequences were rechecked
    bool modesNormalized = false; // channel modes were replaced by enabled ones

    bool touchesChannels() const {
        return kind == Kind::Whole || kind == Kind::WorkMode || kind == Kind::Channel ||
               kind == Kind::ChannelSet || kind == Kind::Group || modesNormalized ||
               dtmfReferences || rogerReferences;
    }
};

// What the document model tells the windows after it changed data they may show. The model
// never knows which windows exist; an open window connects to the signals it cares about.
class DocumentEvents : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // The document changed: one signal per user change, after every rule has run.
    void changed(const r5k27::DocumentChange& change);
    // Undo or redo took back or did again this change: windows that show it bring it into
    // view (after the changed signal that redrew them).
    void revealed(const r5k27::DocumentChange& change);
};

} // namespace r5k27

Q_DECLARE_METATYPE(r5k27::DocumentChange)
