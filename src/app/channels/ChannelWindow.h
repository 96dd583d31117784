#pragma once

#include "lang/Language.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace r5k27 {

struct AppContext;
struct ChannelRec;
class ChannelGrid;
class DetailPanel;
class FrequencyEditor;
class Prompter;

// frmCommChInfo: the work mode and group, the group's channels in a grid with their frequencies
// edited in place, the options of the channel on the current row and the group's settings.
// Every change goes straight into the document.
class ChannelWindow : public QWidget {
    Q_OBJECT
public:
    ChannelWindow(AppContext& ctx, Prompter& prompter, QWidget* parent = nullptr);
    ~ChannelWindow() override;

    // SaveShowGridData: commits the frequency being typed, if any.
    void commitPendingEdit();
    // Redraws one grid row (and the detail panel when it is the current row) from the table.
    void reShowGrid(int row);
    // Shows every value from the document anew, as when the window opens.
    void reShowAll();

    // The group the grid shows: 1..10, or 11 for "MEM".
    int shownGroup() const { return shownGroup_; }
    ChannelGrid& grid() const { return *grid_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int mode() const;
    bool memView() const;
    QString lang(const BiText& text) const { return text.in(lang_); }
    void emitEdited(const BiText& name, const QString& arg1, const QString& arg2 = {},
                    const QString& mergeKey = {});
    QString channelLabel(int row) const;
    ChannelRec* recordOfRow(int row) const;

    QWidget* buildTopRow();
    QGroupBox* buildGroupFrame();
    void connectDocumentEvents();

    void chooseWorkMode(int index);
    void showWorkMode();
    void chooseGroup(int index);
    void showGroup(bool chosenByUser);
    void setGridData(bool chosenByUser);
    void showCurrentChannel();
    void initValidComboList();
    void showValidComboText();
    void initComboWorkGroup();
    void showGroupValid();

    void enterGridEdit(const QString& firstText);
    void placeEditor();
    void onEditorEnter();
    void gridNextLine();
    void gridNextCol();
    void clearCurrentChannel();
    void commitEntry(int row, const QString& text, const BiText& name);

    void chooseDetail(int index, int position);
    void chooseGroupChannel(int list, int position);
    void chooseGroupValid(int position);
    void editGroupName(const QString& text);
    void chooseWorkGroup(int position);

    AppContext& ctx_;
    Prompter& prompter_;
    int lang_;
    int shownGroup_ = 1;
    int editRow_ = 0;
    int editColumn_ = 0;

    QGroupBox* modeFrame_ = nullptr;
    QComboBox* workModeList_ = nullptr;  // Combo2
    QComboBox* groupList_ = nullptr;     // Combo6
    QComboBox* workGroupList_ = nullptr; // Combo3
    QGroupBox* groupFrame_ = nullptr;
    std::array<QComboBox*, 7> groupLists_{}; // Combo1(0..6); (5) is never shown
    QLineEdit* groupName_ = nullptr;         // Text2
    ChannelGrid* grid_ = nullptr;            // MSFlexGrid1
    FrequencyEditor* editor_ = nullptr;      // Text1
    DetailPanel* details_ = nullptr;
};

} // namespace r5k27
