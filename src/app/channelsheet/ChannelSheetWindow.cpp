#include "ChannelSheetWindow.h"

#include "ChannelSheetModel.h"
#include "ChannelSheetView.h"
#include "channelsheet/ChannelSheetCaptions.h"
#include "common/CloseChildWindow.h"
#include "core/channels/BandLimits.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/GroupSettings.h"
#include "core/document/DocumentModel.h"
#include "core/document/EditNames.h"
#include "core/lang/ChannelWindowCaptions.h"
#include "startup/AppContext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace r5k27 {
namespace {

const ChannelSheetCaptions& texts() {
    return channelSheetCaptions();
}

constexpr int kVisibleRows = 20;
constexpr int kNarrowestSheet = 360;

} // namespace

ChannelSheetWindow::ChannelSheetWindow(AppContext& ctx, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , model_(ctx.model)
    , prompter_(prompter)
    , lang_(ctx.settings.language) {
    setObjectName(QStringLiteral("frmChannelList"));
    setWindowTitle(lang(texts().window));
    rows_ = new ChannelSheetModel(model_, lang_, this);
    rows_->setEditHandler(
        [this](int row, int column, const QVariant& value) { takeEdit(row, column, value); });
    view_ = new ChannelSheetView(*rows_, this);
    view_->setToolTip(lang(texts().sheetTip));
    int width = 0;
    for (int column = 0; column < rows_->columnCount(); ++column)
        width += view_->columnWidth(column);
    // The sheet scrolls itself; a wide minimum would only give the window a second pair of
    // scroll bars around it on a small screen.
    view_->setMinimumSize(std::min(width + 24, kNarrowestSheet),
                          view_->verticalHeader()->defaultSectionSize() * (kVisibleRows / 2));
    resize(width + 40, view_->verticalHeader()->defaultSectionSize() * kVisibleRows + 120);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopRow());
    layout->addWidget(view_, 1);
    layout->addWidget(buildBottomRow());

    connect(view_, &ChannelSheetView::clearRequested, this,
            [this] { clearSelected(texts().editCleared); });
    connect(view_, &ChannelSheetView::copyRequested, this, &ChannelSheetWindow::copySelected);
    connect(view_, &ChannelSheetView::cutRequested, this, &ChannelSheetWindow::cutSelected);
    connect(view_, &ChannelSheetView::pasteRequested, this, &ChannelSheetWindow::paste);
    connect(view_, &ChannelSheetView::fillDownRequested, this, &ChannelSheetWindow::fillDown);
    connect(view_, &ChannelSheetView::letterTyped, this, &ChannelSheetWindow::pickByLetter);
    connect(&ctx_.events, &DocumentEvents::changed, this, &ChannelSheetWindow::follow);
    connect(&ctx_.events, &DocumentEvents::revealed, this, &ChannelSheetWindow::reveal);
    showWorkMode();
    showFilter();
    showRows();
}

ChannelSheetWindow::~ChannelSheetWindow() {
    // The children outlive this part of the window; none of their last signals may reach it.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QWidget* ChannelSheetWindow::buildTopRow() {
    auto* row = new QWidget(this);
    // Which work mode the sheet shows, and the switch to the other, as in the channel window.
    workMode_ = new QComboBox(row);
    workMode_->setObjectName(QStringLiteral("SheetWorkMode"));
    for (int mode = 0; mode < kModeCount; ++mode)
        workMode_->addItem((mode == 0 ? QStringLiteral("CB -- ") : QStringLiteral("HF -- ")) +
                           bandTextOfWorkMode(mode));
    workMode_->setToolTip(lang(channelWindowCaptions().hintWorkMode));
    auto* modeLabel = new QLabel(lang(channelWindowCaptions().selectMode), row);
    modeLabel->setBuddy(workMode_);
    connect(workMode_, &QComboBox::activated, this, &ChannelSheetWindow::chooseWorkMode);
    filter_ = new QComboBox(row);
    filter_->setObjectName(QStringLiteral("GroupFilter"));
    auto* show = new QLabel(lang(texts().show), row);
    show->setBuddy(filter_);
    usedOnly_ = new QCheckBox(lang(texts().usedOnly), row);
    usedOnly_->setObjectName(QStringLiteral("UsedOnly"));
    step_ = new QDoubleSpinBox(row);
    step_->setObjectName(QStringLiteral("FillStep"));
    step_->setLocale(QLocale::c());
    step_->setDecimals(2);
    step_->setRange(-1000, 1000);
    step_->setValue(10);
    auto* stepLabel = new QLabel(lang(texts().step), row);
    stepLabel->setBuddy(step_);
    auto* fill = new QPushButton(lang(texts().fillDown), row);
    fill->setObjectName(QStringLiteral("FillDown"));
    connect(filter_, &QComboBox::activated, this, &ChannelSheetWindow::showRows);
    connect(usedOnly_, &QCheckBox::toggled, this, &ChannelSheetWindow::showRows);
    connect(fill, &QPushButton::clicked, this, &ChannelSheetWindow::fillDown);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(modeLabel);
    layout->addWidget(workMode_);
    layout->addWidget(show);
    layout->addWidget(filter_);
    layout->addWidget(usedOnly_);
    layout->addStretch(1);
    layout->addWidget(stepLabel);
    layout->addWidget(step_);
    layout->addWidget(fill);
    return row;
}

QWidget* ChannelSheetWindow::buildBottomRow() {
    auto* row = new QWidget(this);
    status_ = new QLabel(row);
    status_->setObjectName(QStringLiteral("SheetStatus"));
    auto* help = new QPushButton(ctx_.captions.buttons.help.in(lang_), row);
    help->setObjectName(QStringLiteral("CommandHelp"));
    auto* close = new QPushButton(ctx_.captions.buttons.close.in(lang_), row);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(status_, 1);
    layout->addWidget(help);
    layout->addWidget(close);
    return row;
}

void ChannelSheetWindow::chooseWorkMode(int mode) {
    commitPendingEdit();
    model_.setWorkMode(mode, editNameOf(channelWindowCaptions().editWorkMode,
                                        mode == 0 ? QStringLiteral("CB") : QStringLiteral("HF")));
    // Refused or not, the list shows the mode the document has.
    showWorkMode();
}

void ChannelSheetWindow::showWorkMode() {
    const QSignalBlocker block(workMode_);
    workMode_->setCurrentIndex(model_.workMode());
}

// "All groups", then the groups of the work mode and "MEM"; the choice stays where it can.
void ChannelSheetWindow::showFilter() {
    const QString chosen = filter_->currentIndex() > 0 ? filter_->currentText() : QString();
    const QStringList groups = groupViewList(model_.workMode());
    const QSignalBlocker block(filter_);
    filter_->clear();
    filter_->addItem(lang(texts().allGroups));
    filter_->addItems(groups);
    filter_->setCurrentIndex(std::max(0, int(groups.indexOf(chosen)) + 1));
}

void ChannelSheetWindow::showRows() {
    const int group = filter_->currentIndex() > 0 ? groupNumberFromText(filter_->currentText())
                                                  : ChannelSheetModel::kAllGroups;
    rows_->showRows(group, usedOnly_->isChecked());
    if (rows_->rowCount() > 0)
        view_->setCurrentIndex(rows_->index(0, ChannelSheetModel::kFrequencyColumn));
}

void ChannelSheetWindow::follow(const DocumentChange& change) {
    using Kind = DocumentChange::Kind;
    if (change.kind == Kind::Whole || change.kind == Kind::WorkMode) {
        showWorkMode();
        if (model_.workMode() != rows_->mode()) {
            showFilter();
            showRows();
            return;
        }
    }
    if (change.touchesChannels())
        rows_->refresh();
}

// After undo or redo the channel the step changed comes into view; the selection stays.
void ChannelSheetWindow::reveal(const DocumentChange& change) {
    const int row = rows_->rowOf(ChannelKey{change.mode, change.group, change.chNo});
    if (change.mode == rows_->mode() && row >= 0)
        view_->scrollTo(rows_->index(row, ChannelSheetModel::kFrequencyColumn));
}

void ChannelSheetWindow::commitPendingEdit() {
    view_->commitEntry();
}

void ChannelSheetWindow::closeEvent(QCloseEvent* event) {
    commitPendingEdit();
    QWidget::closeEvent(event);
}

} // namespace r5k27
