#pragma once

#include "core/lang/Language.h"

#include <QWidget>

class QComboBox;
class QGroupBox;

namespace r5k27 {

struct AppContext;
struct DocumentChange;
class ChannelGrid;
class ChannelGridModel;
class DetailPanel;
class DocumentModel;
class GroupFrame;
class Prompter;

// The channel window: the work mode and group, the group's channels in a grid with their
// frequencies edited in place, the options of the channel on the current row and the group's
// settings. Every change goes through the document model; the window redraws from its events.
class ChannelWindow : public QWidget {
    Q_OBJECT
public:
    ChannelWindow(AppContext& ctx, Prompter& prompter, QWidget* parent = nullptr);
    ~ChannelWindow() override;

    // Commits the frequency being typed, if any.
    void commitPendingEdit();

    // The group the grid shows: 1..10, or 11 for "MEM".
    int shownGroup() const;
    ChannelGrid& grid() const { return *grid_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int mode() const;
    QString lang(const LocalText& text) const { return text.in(lang_); }
    QWidget* buildTopRow();
    void setTabOrderAsShown(QWidget* close);

    // Shows the document's work mode and the group it showed last.
    void showAll();
    void showGroup(int viewGroup);
    void showWorkGroups();
    void showCurrentChannel();
    void follow(const DocumentChange& change);
    void reveal(const DocumentChange& change);

    void chooseWorkMode(int index);
    void chooseGroup(int index);
    void chooseWorkGroup(int position);
    void chooseDetail(int index, int position);
    bool commitFrequency(int row, const QString& text);
    void clearCurrentChannel();

    AppContext& ctx_;
    DocumentModel& model_;
    Prompter& prompter_;
    Language lang_;

    QGroupBox* modeFrame_ = nullptr;
    QComboBox* workModeList_ = nullptr;
    QComboBox* groupList_ = nullptr;
    QComboBox* workGroupList_ = nullptr;
    GroupFrame* groupFrame_ = nullptr;
    ChannelGridModel* rows_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    DetailPanel* details_ = nullptr;
};

} // namespace r5k27
