#include "ChannelWindow.h"

#include "ChannelGrid.h"
#include "ChannelGridModel.h"
#include "ControlHelpers.h"
#include "DetailPanel.h"
#include "GroupFrame.h"
#include "common/CloseChildWindow.h"
#include "common/MessageTarget.h"
#include "core/channels/BandLimits.h"
#include "core/channels/ChannelNames.h"
#include "core/channels/GroupSettings.h"
#include "core/channels/ListHelpers.h"
#include "core/document/DocumentModel.h"
#include "core/document/EditNames.h"
#include "core/lang/ChannelWindowCaptions.h"
#include "startup/AppContext.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace r5k27 {
namespace {

constexpr int kVisibleRows = 20;

const ChannelWindowCaptions& texts() {
    return channelWindowCaptions();
}

QGroupBox* framed(QWidget* parent, const char* name, QComboBox* list, QLabel* label) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    list->setParent(frame);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(list);
    return frame;
}

} // namespace

ChannelWindow::ChannelWindow(AppContext& ctx, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , model_(ctx.model)
    , prompter_(prompter)
    , lang_(ctx.settings.language) {
    setObjectName(QStringLiteral("frmCommChInfo"));
    setWindowTitle(lang(texts().window));

    rows_ = new ChannelGridModel(model_, this);
    rows_->setHeaders({lang(texts().channelColumn), lang(texts().frequencyColumn)});
    rows_->setLanguage(lang_);
    grid_ = new ChannelGrid(*rows_, this);
    grid_->setMinimumWidth(grid_->fontMetrics().horizontalAdvance(QStringLiteral("0000.00000")) *
                               2 +
                           grid_->verticalScrollBar()->sizeHint().width() + 8);
    grid_->setMinimumHeight(grid_->verticalHeader()->defaultSectionSize() * kVisibleRows +
                            grid_->horizontalHeader()->sizeHint().height() + 4);
    grid_->setCommitHandler(
        [this](int row, const QString& text) { return commitFrequency(row, text); });
    details_ = new DetailPanel(lang_, lang(texts().noSuchSetting), this);
    QSizePolicy keepPlace = details_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    details_->setSizePolicy(keepPlace);
    groupFrame_ = new GroupFrame(model_, prompter_, lang_, this);

    auto* close = new QPushButton(ctx.captions.buttons.close.in(lang_), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });

    auto* right = new QVBoxLayout;
    right->addWidget(groupFrame_);
    right->addWidget(details_);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    right->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addWidget(grid_);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopRow());
    layout->addLayout(body, 1);

    connect(grid_, &ChannelGrid::clearRequested, this, &ChannelWindow::clearCurrentChannel);
    connect(grid_, &ChannelGrid::currentRowChanged, this, &ChannelWindow::showCurrentChannel);
    connect(grid_, &ChannelGrid::entryStarted, this,
            [this](int row) { model_.setShownRow(mode(), rows_->viewGroup(), row); });
    connect(details_, &DetailPanel::chosen, this, &ChannelWindow::chooseDetail);
    setTabOrderAsShown(close);
    connect(&ctx_.events, &DocumentEvents::changed, this, &ChannelWindow::follow);
    connect(&ctx_.events, &DocumentEvents::revealed, this, &ChannelWindow::reveal);
    showAll();
}

ChannelWindow::~ChannelWindow() {
    // The children outlive this part of the window; none of their last signals may reach it.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QWidget* ChannelWindow::buildTopRow() {
    auto* row = new QWidget(this);
    workModeList_ = new QComboBox(row);
    workModeList_->setObjectName(QStringLiteral("Combo2"));
    workModeList_->addItems({QStringLiteral("CB -- ") + bandTextOfWorkMode(0),
                             QStringLiteral("HF -- ") + bandTextOfWorkMode(1)});
    modeFrame_ = framed(row, "Frame1", workModeList_,
                        labelFor(workModeList_, lang(texts().selectMode), row));
    hint(workModeList_, lang(texts().hintWorkMode));
    connect(workModeList_, &QComboBox::activated, this, &ChannelWindow::chooseWorkMode);

    groupList_ = new QComboBox(row);
    groupList_->setObjectName(QStringLiteral("Combo6"));
    sizeByCharacters(groupList_, 4);
    QLabel* groupLabel = labelFor(groupList_, lang(texts().group), row);
    groupLabel->setObjectName(QStringLiteral("Label1"));
    hint(groupList_, lang(texts().hintGroup));
    connect(groupList_, &QComboBox::activated, this, &ChannelWindow::chooseGroup);

    workGroupList_ = new QComboBox(row);
    workGroupList_->setObjectName(QStringLiteral("Combo3"));
    sizeByCharacters(workGroupList_, 3);
    QGroupBox* workGroupFrame = framed(row, "Frame4", workGroupList_,
                                       labelFor(workGroupList_, lang(texts().workGroup), row));
    hint(workGroupList_, lang(texts().hintWorkGroup));
    connect(workGroupList_, &QComboBox::activated, this, &ChannelWindow::chooseWorkGroup);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(modeFrame_);
    layout->addWidget(groupLabel);
    layout->addWidget(groupList_);
    layout->addWidget(workGroupFrame);
    layout->addStretch(1);
    return row;
}

// Tab goes as the eye does: work mode, group, work group, grid, group settings, details, Close.
void ChannelWindow::setTabOrderAsShown(QWidget* close) {
    QList<QWidget*> chain{workModeList_, groupList_, workGroupList_, grid_};
    // A list's popup is a child too, but a window of its own: Tab never goes there.
    for (QWidget* control : groupFrame_->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus && control->window() == window())
            chain << control;
    for (int i = 0; i < kDetailCount; ++i)
        chain << details_->list(i);
    chain << close;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

int ChannelWindow::mode() const {
    return model_.workMode();
}

int ChannelWindow::shownGroup() const {
    return rows_->viewGroup();
}

void ChannelWindow::showAll() {
    {
        const QSignalBlocker block(workModeList_);
        workModeList_->setCurrentIndex(mode());
    }
    modeFrame_->setTitle(workModeList_->currentText());
    const QStringList groups = groupViewList(mode());
    const int stored = model_.image().curGroup[std::size_t(mode())];
    const int index = selectListText(groups, groupTextFromNumber(stored));
    showEntries(groupList_, groups, index);
    showWorkGroups();
    // A stored group the list does not offer (HF "J", a damaged value) shows the first one; the
    // grid commits to the group shown, so the document must name it too.
    const int viewGroup = groupNumberFromText(groups.value(index));
    model_.setShownGroup(mode(), viewGroup);
    showGroup(viewGroup);
}

void ChannelWindow::showGroup(int viewGroup) {
    rows_->showGroup(mode(), viewGroup);
    // The limits an entry is checked against.
    grid_->setToolTip(lang(texts().frequencyColumn) + QStringLiteral(": ") +
                      bandTextOfWorkMode(mode()));
    grid_->setStatusTip(grid_->toolTip());
    groupFrame_->setVisible(!rows_->memView());
    if (!rows_->memView())
        groupFrame_->showGroup(mode(), viewGroup);
    const int workRow = model_.image().groupWorkCh(mode(), viewGroup);
    {
        // The panel is filled once, below, not again from the grid's signal.
        const QSignalBlocker block(grid_);
        grid_->setCurrentGridRow(workRow >= 1 && workRow <= rows_->rows() ? workRow : 1);
    }
    showCurrentChannel();
}

void ChannelWindow::showWorkGroups() {
    const QStringList groups = workGroupList(model_.image(), mode());
    const int workGroup = model_.image().optFeat.workGroup[std::size_t(mode())];
    showEntries(workGroupList_, groups, selectListText(groups, groupTextFromNumber(workGroup)));
}

// The panel describes the channel on the current row, if there is one.
void ChannelWindow::showCurrentChannel() {
    const int row = grid_->currentGridRow();
    const ChannelRec* rec = row >= 1 ? model_.channel(rows_->keyOfRow(row)) : nullptr;
    if (rec)
        details_->showChannel(lang(texts().moreInformation) + getChName(rec->chNo), *rec,
                              model_.image(), rows_->memView());
    // Showing or hiding lays the window out again; a window being built is laid out once, when
    // it is shown.
    if (details_->isHidden() == bool(rec))
        details_->setVisible(bool(rec));
}

void ChannelWindow::follow(const DocumentChange& change) {
    using Kind = DocumentChange::Kind;
    if (change.kind == Kind::Whole || change.kind == Kind::WorkMode) {
        showAll();
        return;
    }
    if (!change.touchesChannels())
        return;
    rows_->refresh();
    if (!rows_->memView())
        groupFrame_->refresh();
    showWorkGroups();
    showCurrentChannel();
}

// After undo or redo: the group and channel the step changed come into view.
void ChannelWindow::reveal(const DocumentChange& change) {
    if (change.mode != mode() || change.group < 1)
        return;
    const int viewGroup = change.chNo > kOrdinaryChannels ? kMemGroup : change.group;
    const int index = int(groupViewList(mode()).indexOf(groupTextFromNumber(viewGroup)));
    if (index < 0)
        return;
    {
        const QSignalBlocker block(groupList_);
        groupList_->setCurrentIndex(index);
    }
    // Only the view follows: the document stays exactly as the step left it.
    showGroup(viewGroup);
    if (const int row = rows_->rowOfChannel(change.group, change.chNo)) {
        grid_->setCurrentGridRow(row);
        grid_->scrollTo(rows_->index(row - 1, ChannelGrid::kFrequencyColumn));
    }
}

void ChannelWindow::chooseWorkMode(int index) {
    commitPendingEdit();
    model_.setWorkMode(index, editNameOf(texts().editWorkMode,
                                         index == 0 ? QStringLiteral("CB") : QStringLiteral("HF")));
}

void ChannelWindow::chooseGroup(int index) {
    commitPendingEdit();
    const int viewGroup = std::max(groupNumberFromText(groupList_->itemText(index)), 1);
    model_.setShownGroup(mode(), viewGroup);
    showGroup(viewGroup);
}

void ChannelWindow::chooseWorkGroup(int position) {
    const QString letter = workGroupList_->itemText(position);
    model_.setWorkGroup(mode(), groupNumberFromText(letter),
                        editNameOf(texts().editWorkGroup, letter));
}

void ChannelWindow::chooseDetail(int index, int position) {
    const int row = grid_->currentGridRow();
    const auto value = details_->chosenValue(index, position);
    const auto field = detailField(index);
    if (!value || !field || row < 1)
        return;
    if (!model_.setChannelValue(
            rows_->keyOfRow(row), *field, *value,
            editNameOf(texts().editDetail, detailCaption(index), rows_->label(row))))
        showCurrentChannel(); // refused: the list shows the stored value again
}

bool ChannelWindow::commitFrequency(int row, const QString& text) {
    const EditName name = editNameOf(
        text.isEmpty() ? texts().editChannelCleared : texts().editFrequency, rows_->label(row));
    const auto refusal = model_.setFrequency(rows_->keyOfRow(row), text, name);
    if (refusal)
        prompter_.warn(refusal->in(lang_));
    return !refusal;
}

void ChannelWindow::clearCurrentChannel() {
    const int row = grid_->currentGridRow();
    if (row >= 1)
        model_.clearChannel(rows_->keyOfRow(row),
                            editNameOf(texts().editChannelCleared, rows_->label(row)));
}

void ChannelWindow::commitPendingEdit() {
    grid_->commitEntry();
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
    commitPendingEdit();
    QWidget::closeEvent(event);
}

} // namespace r5k27
