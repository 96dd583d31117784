#pragma once

#include "core/lang/Language.h"

#include <QGroupBox>
#include <array>

class QComboBox;
class QLineEdit;

namespace r5k27 {

class DocumentModel;
class Prompter;

// The settings of the group the channel window shows: emergency and dual-watch channels, the
// work channel (shown only), whether the group is in use and its name.
class GroupFrame : public QGroupBox {
    Q_OBJECT
public:
    GroupFrame(DocumentModel& model, Prompter& prompter, Language lang, QWidget* parent = nullptr);

    // Shows the settings of group 1..10 of a work mode from the document.
    void showGroup(int mode, int group);
    // Shows them again (after a change of the group's channels or settings).
    void refresh() { showGroup(mode_, group_); }

private:
    void chooseChannel(int list, int position);
    void chooseGroupValid(int position);
    void editName(const QString& text);

    DocumentModel& model_;
    Prompter& prompter_;
    Language lang_;
    int mode_ = 0;
    int group_ = 1;
    std::array<QComboBox*, 7> lists_{}; // one per group list; the sixth is never shown
    QLineEdit* name_ = nullptr;
};

} // namespace r5k27
