#include "ChannelWindow.h"

#include "ChannelGrid.h"
#include "DetailPanel.h"
#include "channels/BandLimits.h"
#include "channels/ChannelNames.h"
#include "channels/ChannelTable.h"
#include "channels/FrequencyCodec.h"
#include "channels/GroupSettings.h"
#include "channels/ListHelpers.h"
#include "common/CloseChildWindow.h"
#include "common/NumericText.h"
#include "image/FixedText.h"
#include "lang/ChannelWindowCaptions.h"
#include "options/OptionLists.h"
#include "startup/AppContext.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <memory>
#include <optional>

namespace r5k27 {
namespace {

constexpr int kMemRows = 6;
constexpr int kGroupValidList = 6;
constexpr int kWorkChannelList = 2;
constexpr int kVisibleRows = 20;

const ChannelWindowCaptions& texts() {
    return channelWindowCaptions();
}

void selectIn(QComboBox* combo, int index) {
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index);
}

void setEntries(QComboBox* combo, const QStringList& entries) {
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(entries);
}

QStringList comboEntries(const QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(control);
    return label;
}

} // namespace

ChannelWindow::ChannelWindow(AppContext& ctx, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , prompter_(prompter)
    , lang_(ctx.settings.langIndex) {
    setObjectName(QStringLiteral("frmCommChInfo"));
    setWindowTitle(lang(texts().window));

    grid_ = new ChannelGrid(this);
    grid_->setHorizontalHeaderLabels({lang(texts().channelColumn), lang(texts().frequencyColumn)});
    grid_->setMinimumWidth(grid_->fontMetrics().horizontalAdvance(QStringLiteral("0000.00000")) *
                               2 +
                           grid_->verticalScrollBar()->sizeHint().width() + 8);
    grid_->setMinimumHeight(grid_->verticalHeader()->defaultSectionSize() * kVisibleRows +
                            grid_->horizontalHeader()->sizeHint().height() + 4);
    editor_ = new FrequencyEditor(grid_->viewport());
    details_ = new DetailPanel(lang_, this);
    QSizePolicy keepPlace = details_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    details_->setSizePolicy(keepPlace);

    auto* close = new QPushButton(ctx.captions.buttons.close.text(lang_), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });

    auto* right = new QVBoxLayout;
    right->addWidget(buildGroupFrame());
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

    connect(grid_, &ChannelGrid::editRequested, this, &ChannelWindow::enterGridEdit);
    connect(grid_, &ChannelGrid::clearRequested, this, &ChannelWindow::clearCurrentChannel);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column >= ChannelGrid::kFrequencyColumn) {
            grid_->setCurrentCell(row, column);
            enterGridEdit(QString());
        }
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, &ChannelWindow::showCurrentChannel);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ChannelWindow::placeEditor);
    connect(editor_, &FrequencyEditor::enterPressed, this, &ChannelWindow::onEditorEnter);
    connect(editor_, &FrequencyEditor::focusLost, this, &ChannelWindow::commitPendingEdit);
    // Escape drops the entry; the cell keeps what the table holds.
    connect(editor_, &FrequencyEditor::escapePressed, this, [this] {
        editRow_ = 0;
        editor_->hide();
        grid_->setFocus(Qt::OtherFocusReason);
    });
    connect(details_, &DetailPanel::chosen, this, &ChannelWindow::chooseDetail);
    connectDocumentEvents();

    reShowAll();
}

ChannelWindow::~ChannelWindow() {
    // The children outlive this part of the window; none of their last signals may reach it.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QWidget* ChannelWindow::buildTopRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    modeFrame_ = new QGroupBox(row);
    modeFrame_->setObjectName(QStringLiteral("Frame1"));
    workModeList_ = new QComboBox(modeFrame_);
    workModeList_->setObjectName(QStringLiteral("Combo2"));
    workModeList_->addItems({QStringLiteral("CB -- ") + bandTextOfWorkMode(0),
                             QStringLiteral("HF -- ") + bandTextOfWorkMode(1)});
    auto* modeLayout = new QHBoxLayout(modeFrame_);
    modeLayout->addWidget(labelFor(workModeList_, lang(texts().selectMode), modeFrame_));
    modeLayout->addWidget(workModeList_);
    connect(workModeList_, &QComboBox::activated, this, &ChannelWindow::chooseWorkMode);

    groupList_ = new QComboBox(row);
    groupList_->setObjectName(QStringLiteral("Combo6"));
    groupList_->setMinimumContentsLength(4);
    QLabel* groupLabel = labelFor(groupList_, lang(texts().group), row);
    groupLabel->setObjectName(QStringLiteral("Label1"));
    connect(groupList_, &QComboBox::activated, this, &ChannelWindow::chooseGroup);

    auto* workGroupFrame = new QGroupBox(row);
    workGroupFrame->setObjectName(QStringLiteral("Frame4"));
    workGroupList_ = new QComboBox(workGroupFrame);
    workGroupList_->setObjectName(QStringLiteral("Combo3"));
    workGroupList_->setMinimumContentsLength(3);
    auto* workGroupLayout = new QHBoxLayout(workGroupFrame);
    workGroupLayout->addWidget(labelFor(workGroupList_, lang(texts().workGroup), workGroupFrame));
    workGroupLayout->addWidget(workGroupList_);
    connect(workGroupList_, &QComboBox::activated, this, &ChannelWindow::chooseWorkGroup);

    layout->addWidget(modeFrame_);
    layout->addWidget(groupLabel);
    layout->addWidget(groupList_);
    layout->addWidget(workGroupFrame);
    layout->addStretch(1);
    return row;
}

QGroupBox* ChannelWindow::buildGroupFrame() {
    groupFrame_ = new QGroupBox(this);
    groupFrame_->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(groupFrame_);
    for (int i = 0; i < int(groupLists_.size()); ++i) {
        auto* combo = new QComboBox(groupFrame_);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        combo->setMinimumContentsLength(4);
        groupLists_[std::size_t(i)] = combo;
    }
    const QString one = QStringLiteral("1");
    const QString two = QStringLiteral("2");
    // (list, caption, row, column): emergency on the left, dual watch on the right.
    const struct {
        int list;
        QString caption;
        int row;
        int column;
    } places[] = {{0, lang(texts().emergency) + one, 0, 0},
                  {1, lang(texts().emergency) + two, 1, 0},
                  {kWorkChannelList, lang(texts().workChannel), 2, 0},
                  {3, lang(texts().dualWatch) + one, 0, 2},
                  {4, lang(texts().dualWatch) + two, 1, 2},
                  {kGroupValidList, lang(texts().groupValid), 2, 2}};
    for (const auto& place : places) {
        QComboBox* combo = groupLists_[std::size_t(place.list)];
        grid->addWidget(labelFor(combo, place.caption, groupFrame_), place.row, place.column);
        grid->addWidget(combo, place.row, place.column + 1);
    }
    // The work channel follows the channel set by itself; the memory channel is not shown.
    groupLists_[kWorkChannelList]->setEnabled(false);
    groupLists_[5]->hide();
    setEntries(groupLists_[kGroupValidList],
               optionList(OptionList::OffOn, ctx_.doc.curImage, lang_));

    groupName_ = new QLineEdit(groupFrame_);
    groupName_->setObjectName(QStringLiteral("Text2"));
    groupName_->setMaxLength(4);
    grid->addWidget(labelFor(groupName_, lang(texts().groupName), groupFrame_), 3, 0);
    grid->addWidget(groupName_, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (int list : {0, 1, 3, 4})
        connect(groupLists_[std::size_t(list)], &QComboBox::activated, this,
                [this, list](int position) { chooseGroupChannel(list, position); });
    connect(groupLists_[kGroupValidList], &QComboBox::activated, this,
            &ChannelWindow::chooseGroupValid);
    connect(groupName_, &QLineEdit::textEdited, this, &ChannelWindow::editGroupName);
    connect(groupName_, &QLineEdit::editingFinished, &ctx_.events, &DocumentEvents::editEnded);
    return groupFrame_;
}

void ChannelWindow::connectDocumentEvents() {
    DocumentEvents& events = ctx_.events;
    connect(&events, &DocumentEvents::channelRowChanged, this, [this](int m, int group, int row) {
        if (m == mode() && group == shownGroup_)
            reShowGrid(row);
    });
    connect(&events, &DocumentEvents::groupChecked, this, [this](int m, int group) {
        if (m == mode() && group == shownGroup_) {
            initValidComboList();
            showValidComboText();
        }
    });
    connect(&events, &DocumentEvents::modesNormalized, this, [this] {
        if (const ChannelRec* rec = recordOfRow(grid_->currentGridRow());
            rec && details_->isVisible())
            details_->refreshModeList(*rec, ctx_.doc.curImage, memView());
    });
    connect(&events, &DocumentEvents::dtmfReferencesChanged, this,
            [this] { details_->refreshDtmfLists(ctx_.doc.curImage); });
    connect(&events, &DocumentEvents::rogerReferencesChanged, this,
            [this] { details_->refreshRogerList(ctx_.doc.curImage); });
    connect(&events, &DocumentEvents::documentReloaded, this, &ChannelWindow::reShowAll);
}

int ChannelWindow::mode() const {
    return ctx_.doc.curImage.workMode == 0 ? 0 : 1;
}

bool ChannelWindow::memView() const {
    return shownGroup_ == kMemGroup;
}

void ChannelWindow::emitEdited(const BiText& name, const QString& arg1, const QString& arg2,
                               const QString& mergeKey) {
    auto format = [&](const char* text) {
        QString out = QString::fromUtf8(text).arg(arg1);
        return arg2.isEmpty() ? out : out.arg(arg2);
    };
    emit ctx_.events.edited(EditName{format(name.en), format(name.zh)}, mergeKey);
}

QString ChannelWindow::channelLabel(int row) const {
    return memView() ? getChName(row + kOrdinaryChannels)
                     : groupTextFromNumber(shownGroup_) + QString::number(row);
}

ChannelRec* ChannelWindow::recordOfRow(int row) const {
    Document& doc = ctx_.doc;
    const int group = memView() ? 1 : shownGroup_;
    const int chNo = memView() ? row + kOrdinaryChannels : row;
    const int slot = findChannel(doc.curImage, doc.chTable, mode(), group, chNo);
    return slot ? &doc.chTable.at(mode(), slot, group) : nullptr;
}

void ChannelWindow::reShowAll() {
    editRow_ = 0;
    editor_->hide();
    selectIn(workModeList_, mode());
    showWorkMode();
}

// Shows the lists that depend on the work mode, then the group it last showed.
void ChannelWindow::showWorkMode() {
    modeFrame_->setTitle(workModeList_->currentText());
    const QStringList groups = groupViewList(mode());
    setEntries(groupList_, groups);
    initComboWorkGroup();
    MemoryImage& image = ctx_.doc.curImage;
    const int index =
        selectListText(groups, groupTextFromNumber(image.curGroup[std::size_t(mode())]));
    selectIn(groupList_, index);
    // A stored group the list does not offer (HF "J", a damaged value) shows the first one; the
    // grid commits to the stored group, so it must name the group shown.
    shownGroup_ = groupNumberFromText(groups.value(index));
    image.curGroup[std::size_t(mode())] = std::int16_t(shownGroup_);
    showGroup(false);
}

void ChannelWindow::chooseWorkMode(int index) {
    commitPendingEdit();
    const bool changed = index != mode();
    if (changed) {
        setWorkMode(ctx_.doc.curImage, index);
        emit ctx_.events.workModeChanged();
    }
    showWorkMode();
    if (changed)
        emitEdited(texts().editWorkMode, index == 0 ? QStringLiteral("CB") : QStringLiteral("HF"));
}

void ChannelWindow::chooseGroup(int index) {
    commitPendingEdit();
    shownGroup_ = groupNumberFromText(groupList_->itemText(index));
    if (shownGroup_ == 0)
        shownGroup_ = 1;
    ctx_.doc.curImage.curGroup[std::size_t(mode())] = std::int16_t(shownGroup_);
    showGroup(true);
}

void ChannelWindow::showGroup(bool chosenByUser) {
    groupFrame_->setTitle(lang(texts().group) + QStringLiteral(" -- ") +
                          groupTextFromNumber(shownGroup_));
    initValidComboList();
    showValidComboText();
    details_->hide();
    setGridData(chosenByUser);
}

void ChannelWindow::setGridData(bool chosenByUser) {
    Document& doc = ctx_.doc;
    const int m = mode();
    groupFrame_->setVisible(!memView());
    if (!memView()) {
        const QString name = doc.curImage.optFeat.groupName(m, shownGroup_).clean();
        groupName_->setText(name);
        // Showing the name is taken as typing it: a NUL after it becomes blanks.
        if (chosenByUser)
            setGroupName(doc.curImage, m, shownGroup_, name);
        showGroupValid();
    }

    QStringList names;
    const int rows = memView() ? kMemRows : kOrdinaryChannels;
    for (int row = 1; row <= rows; ++row)
        names << getChName(memView() ? row + kOrdinaryChannels : row);
    const QSignalBlocker block(grid_);
    grid_->setRows(names);

    const int group = memView() ? 1 : shownGroup_;
    const int first = memView() ? kOrdinaryChannels : 0;
    const int used = usedSlots(doc.curImage, m, group);
    const MessageTarget messages{&prompter_, lang_};
    for (int slot = 1; slot <= used; ++slot) {
        const ChannelRec& rec = doc.chTable.at(m, slot, group);
        const int row = rec.chNo - first;
        if (row >= 1 && row <= rows)
            grid_->setFrequency(row, storedToFreqText(rec.rxFreq.raw(), bandLimitsOf(m), messages));
    }
    const int workRow = doc.curImage.groupWorkCh(m, shownGroup_);
    grid_->setCurrentGridRow(workRow >= 1 && workRow <= rows ? workRow : 1);
    showCurrentChannel();
}

// ShowChIfoDataOther: the panel describes the channel on the current row, if there is one.
void ChannelWindow::showCurrentChannel() {
    const int row = grid_->currentGridRow();
    const ChannelRec* rec = row >= 1 ? recordOfRow(row) : nullptr;
    if (!rec) {
        details_->hide();
        return;
    }
    details_->showChannel(lang(texts().moreInformation) + getChName(rec->chNo), *rec,
                          ctx_.doc.curImage, memView());
    details_->show();
}

void ChannelWindow::initValidComboList() {
    const QStringList names =
        memView() ? QStringList{}
                  : ordinaryChannelNames(ctx_.doc.curImage, ctx_.doc.chTable, mode(), shownGroup_);
    for (int list = 0; list <= 4; ++list)
        setEntries(groupLists_[std::size_t(list)], names);
}

void ChannelWindow::showValidComboText() {
    if (memView())
        return;
    const OptFeatRec& opt = ctx_.doc.curImage.optFeat;
    const int m = mode();
    const std::int16_t values[] = {opt.emergencyCh(m, shownGroup_, 0),
                                   opt.emergencyCh(m, shownGroup_, 1), opt.workCh(m, shownGroup_),
                                   opt.dwCh(m, shownGroup_, 0), opt.dwCh(m, shownGroup_, 1)};
    for (int list = 0; list <= 4; ++list) {
        QComboBox* combo = groupLists_[std::size_t(list)];
        selectIn(combo, selectListText(comboEntries(combo), getChName(values[list])));
    }
}

void ChannelWindow::initComboWorkGroup() {
    const QStringList groups = workGroupList(ctx_.doc.curImage, mode());
    setEntries(workGroupList_, groups);
    const int workGroup = ctx_.doc.curImage.optFeat.workGroup[std::size_t(mode())];
    selectIn(workGroupList_, selectListText(groups, groupTextFromNumber(workGroup)));
}

void ChannelWindow::showGroupValid() {
    QComboBox* combo = groupLists_[kGroupValidList];
    selectIn(combo, selectListIndex(comboEntries(combo),
                                    ctx_.doc.curImage.optFeat.groupValid(mode(), shownGroup_)));
}

void ChannelWindow::reShowGrid(int row) {
    if (!memView()) {
        showGroupValid();
        initComboWorkGroup();
    }
    const ChannelRec* rec = recordOfRow(row);
    const MessageTarget messages{&prompter_, lang_};
    grid_->setFrequency(
        row, rec ? storedToFreqText(rec->rxFreq.raw(), bandLimitsOf(mode()), messages) : QString());
    if (!rec && row == editRow_)
        editor_->clear();
    if (row == grid_->currentGridRow())
        showCurrentChannel();
}

void ChannelWindow::enterGridEdit(const QString& firstText) {
    const int row = grid_->currentGridRow();
    if (row < 1)
        return;
    editRow_ = row;
    editColumn_ = grid_->currentColumn();
    ctx_.doc.curImage.groupWorkCh(mode(), shownGroup_) = std::int16_t(row);
    if (editColumn_ != ChannelGrid::kFrequencyColumn)
        return;
    editor_->setText(firstText.isEmpty() ? grid_->frequency(row) : firstText);
    placeEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    if (firstText.isEmpty())
        editor_->selectAll();
    else
        editor_->end(false);
}

void ChannelWindow::placeEditor() {
    if (editRow_ >= 1 && editRow_ <= grid_->rowCount())
        editor_->setGeometry(
            grid_->visualRect(grid_->model()->index(editRow_ - 1, ChannelGrid::kFrequencyColumn)));
}

void ChannelWindow::onEditorEnter() {
    if (editColumn_ == ChannelGrid::kFrequencyColumn && editor_->text().isEmpty())
        gridNextLine();
    else if (editColumn_ > 0 && editColumn_ < grid_->columnCount())
        gridNextCol();
}

void ChannelWindow::gridNextLine() {
    const int row = grid_->currentGridRow();
    grid_->setCurrentGridRow(row >= grid_->rowCount() ? 1 : row + 1);
    grid_->setFocus(Qt::OtherFocusReason);
    // Focus moving to the grid commits; this covers a window that is not active.
    commitPendingEdit();
}

void ChannelWindow::gridNextCol() {
    // The frequency column is the last one, so the cursor goes on to the next line.
    if (grid_->currentColumn() + 1 >= grid_->columnCount())
        gridNextLine();
}

void ChannelWindow::commitPendingEdit() {
    if (editor_->isHidden() || editColumn_ != ChannelGrid::kFrequencyColumn || editRow_ < 1)
        return;
    editor_->hide();
    const QString typed = editor_->text();
    const std::optional<double> value = parseNumber(typed);
    grid_->setFrequency(editRow_, value ? formatFrequency(*value) : typed);
    commitEntry(editRow_, typed,
                typed.isEmpty() ? texts().editChannelCleared : texts().editFrequency);
}

void ChannelWindow::clearCurrentChannel() {
    const int row = grid_->currentGridRow();
    if (row >= 1 && recordOfRow(row))
        commitEntry(row, QString(), texts().editChannelCleared);
}

void ChannelWindow::commitEntry(int row, const QString& text, const BiText& name) {
    Document& doc = ctx_.doc;
    const MemoryImage imageBefore = doc.curImage;
    const auto tableBefore = std::make_unique<ChTable>(doc.chTable);
    commitFrequencyEntry(doc.curImage, doc.chTable, row, text, {&prompter_, lang_}, &ctx_.events);
    if (!(doc.curImage == imageBefore) || !(doc.chTable == *tableBefore))
        emitEdited(name, channelLabel(row));
}

void ChannelWindow::chooseDetail(int index, int position) {
    ChannelRec* rec = recordOfRow(grid_->currentGridRow());
    if (!rec)
        return;
    const ChannelRec before = *rec;
    if (!storeDetail(index, *rec, details_->entries(index), position))
        return;
    if (index == kDetailPublic)
        details_->applyPublicRule(rec->publicCh == 1);
    if (!(*rec == before))
        emitEdited(texts().editDetail, lang(detailCaption(index)),
                   channelLabel(grid_->currentGridRow()));
}

void ChannelWindow::chooseGroupChannel(int list, int position) {
    if (memView())
        return;
    OptFeatRec& opt = ctx_.doc.curImage.optFeat;
    const int m = mode();
    std::int16_t& value =
        list <= 1 ? opt.emergencyCh(m, shownGroup_, list) : opt.dwCh(m, shownGroup_, list - 3);
    const std::int16_t chosen = getChId(groupLists_[std::size_t(list)]->itemText(position));
    if (value == chosen)
        return;
    value = chosen;
    const QString caption = list <= 1 ? lang(texts().emergency) + QString::number(list + 1)
                                      : lang(texts().dualWatch) + QString::number(list - 2);
    emitEdited(texts().editGroupChannel, caption, groupTextFromNumber(shownGroup_));
}

void ChannelWindow::chooseGroupValid(int position) {
    if (memView())
        return;
    Document& doc = ctx_.doc;
    const int m = mode();
    const bool on = position == 1;
    const bool wasOn = doc.curImage.optFeat.groupValid(m, shownGroup_) == 1;
    if (!setGroupValid(doc.curImage, doc.chTable, m, shownGroup_, on, &ctx_.events)) {
        showGroupValid();
        return;
    }
    initComboWorkGroup();
    if (on != wasOn)
        emitEdited(on ? texts().editGroupOn : texts().editGroupOff,
                   groupTextFromNumber(shownGroup_));
}

void ChannelWindow::editGroupName(const QString& text) {
    if (memView())
        return;
    MemoryImage& image = ctx_.doc.curImage;
    if (!isSingleByteText(text)) {
        groupName_->setText(image.optFeat.groupName(mode(), shownGroup_).clean());
        MessageTarget{&prompter_, lang_}.warn(texts().groupNameSingleByte);
        return;
    }
    setGroupName(image, mode(), shownGroup_, text);
    const QString letter = groupTextFromNumber(shownGroup_);
    emitEdited(texts().editGroupName, letter, {},
               QStringLiteral("group-name-%1-%2").arg(mode()).arg(shownGroup_));
}

void ChannelWindow::chooseWorkGroup(int position) {
    const QString letter = workGroupList_->itemText(position);
    std::int16_t& workGroup = ctx_.doc.curImage.optFeat.workGroup[std::size_t(mode())];
    const int chosen = groupNumberFromText(letter);
    if (chosen == 0 || workGroup == chosen)
        return;
    workGroup = std::int16_t(chosen);
    emitEdited(texts().editWorkGroup, letter);
}

void ChannelWindow::closeEvent(QCloseEvent* event) {
    commitPendingEdit();
    QWidget::closeEvent(event);
}

} // namespace r5k27
