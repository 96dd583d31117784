#pragma once

#include <QObject>
#include <QString>

namespace r5k27 {

// A short name of one user change, in both languages, for the Undo and Redo menu items.
struct EditName {
    QString english;
    QString chinese;
};

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

    // An editor finished one user change (with every knock-on change a rule made); the undo
    // history records the document as it now is. Changes in a row with the same non-empty
    // mergeKey (keystrokes in one field) become one step.
    void edited(const r5k27::EditName& name, const QString& mergeKey = QString());
    // The user left the field being typed in: typing there again later is a step of its own,
    // even with the same mergeKey.
    void editEnded();
    // The document's values were replaced in place (undo, redo, an import): every open
    // window shows all of them anew. Windows stay open.
    void documentReloaded();
    // The work mode (and with it the band) changed.
    void workModeChanged();
};

} // namespace r5k27
