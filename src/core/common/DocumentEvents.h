#pragma once

#include <QObject>

namespace r5k27 {

// What the document model tells the windows after it changed data they may show. The model
// never knows which windows exist; an open window connects to the signals it cares about.
class DocumentEvents : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // The channel references of a group were repaired after its channel set changed.
    void groupChecked(int mode, int group);
    // A grid row should be redrawn from the table; group 11 is the "MEM" view.
    void channelRowChanged(int mode, int group, int row);
    // DTMF code references were rechecked (some may have become 0).
    void dtmfReferencesChanged();
    // Roger-beep references were rechecked (some may have become 0).
    void rogerReferencesChanged();
    // Channel modes were replaced by enabled ones after a mode switch changed.
    void modesNormalized();
};

} // namespace r5k27
