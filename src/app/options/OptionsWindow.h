#pragma once

#include "core/common/DocumentEvents.h"
#include "core/lang/Language.h"
#include "core/lang/OptionWindowCaptions.h"
#include "core/options/OptionValues.h"

#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;

namespace r5k27 {

struct AppContext;
class OptionTextField;

// The options window: every general setting of the radio, each stored in the
// document the moment the user changes it. Lists that offer DTMF codes and roger-beep tones
// follow the editors of those; the mode switches keep the channels on enabled modes.
class OptionsWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionsWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~OptionsWindow() override;

    // Refills every list and shows every value of the document.
    void reShowData();
    // The BOT, EOT and CALL lists offer the DTMF codes in use.
    void showDtmf();
    // The Roger list offers the playable tone sequences.
    void showRb();
    // Stores what was typed into a field and not yet stored (before a write).
    void commitPendingEdits();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct ListControl {
        QComboBox* box;
        OptionId id;
        OptionControlText text;
    };
    struct SwitchControl {
        QCheckBox* box;
        OptionId id;
        OptionControlText text;
        int mode; // operating mode 0..4 of a mode switch, -1 for the others
    };

    QString textOf(const LocalText& text) const { return text.in(lang_); }

    void build();
    QWidget* buildLeftColumn();
    QWidget* buildMiddleColumn();
    QGroupBox* buildPublicFrame();
    QGroupBox* buildModeFrame();
    QGroupBox* buildRssiFrame(const LocalText& caption, int firstPoint);
    QWidget* buildButtons();
    void addList(QGridLayout* grid, const char* name, OptionId id, const OptionControlText& text);
    void addSwitch(QGridLayout* grid, int row, const char* name, OptionId id,
                   const OptionControlText& text, int mode = -1);
    // Tool tip and change note of a number field from the limits its value keeps.
    void explainLimits(OptionTextField* field, const QString& caption, const QString& limits);
    OptionTextField* addTextField(QGridLayout* grid, int row, const char* name, OptionId id,
                                  const OptionControlText& text);

    void fillList(const ListControl& list);
    void showList(const ListControl& list);
    void listChosen(const ListControl& list);
    void switchClicked(const SwitchControl& control, bool on);
    // Rebuilds the lists of that kind and shows their values again.
    void refill(OptionList kind);

    void storeSwrMax();
    void storeBattery();
    void storeTxOffset();
    void storeRssiPoint(int k);
    void showTextFields();

    // Tells the undo history about a finished change; nothing while the window fills.

    AppContext& ctx_;
    // The language of the settings when the window opened: a change of language closes it.
    const Language lang_;
    bool loaded_ = false;
    std::vector<ListControl> lists_;
    std::vector<SwitchControl> switches_;
    OptionTextField* swrMax_ = nullptr;
    OptionTextField* battMin_ = nullptr;
    OptionTextField* battMax_ = nullptr;
    OptionTextField* txOffset_ = nullptr;
    std::array<OptionTextField*, 12> rssi_{};
};

} // namespace r5k27
