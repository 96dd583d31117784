#include "ChannelSheetWindow.h"

#include "ChannelSheetModel.h"
#include "ChannelSheetView.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelNames.h"
#include "channels/GroupSettings.h"
#include "common/CloseChildWindow.h"
#include "common/Prompter.h"
#include "document/DocumentModel.h"
#include "document/EditNames.h"
#include "lang/ChannelSheetCaptions.h"
#include "lang/ChannelWindowCaptions.h"
#include "startup/AppContext.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace r5k27 {
namespace {

const ChannelSheetCaptions& texts() {
    return channelSheetCaptions();
}

constexpr int kVisibleRows = 20;

} // namespace

ChannelSheetWindow::ChannelSheetWindow(AppContext& ctx, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , model_(ctx.model)
    , prompter_(prompter)
    , lang_(ctx.settings.langIndex) {
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
    view_->setMinimumSize(std::min(width + 24, 900),
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
    auto* help = new QPushButton(ctx_.captions.buttons.help.text(lang_), row);
    help->setObjectName(QStringLiteral("CommandHelp"));
    auto* close = new QPushButton(ctx_.captions.buttons.close.text(lang_), row);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(status_, 1);
    layout->addWidget(help);
    layout->addWidget(close);
    return row;
}

// "All groups", then the groups of the work mode and "MEM"; the choice stays where it can.
void ChannelSheetWindow::showFilter() {
    const QString chosen = filter_->currentIndex() > 0 ? filter_->currentText() : QString();
    const int mode = model_.image().workMode == 0 ? 0 : 1;
    const QStringList groups = groupViewList(mode);
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
    const int mode = model_.image().workMode == 0 ? 0 : 1;
    if (change.kind == Kind::Whole || change.kind == Kind::WorkMode) {
        if (mode != rows_->mode()) {
            showFilter();
            showRows();
            return;
        }
    }
    if (change.touchesChannels())
        rows_->refresh();
}

QList<int> ChannelSheetWindow::rowsFor(int row) const {
    const QList<int> selected = view_->selectedRows();
    return selected.contains(row) ? selected : QList<int>{row};
}

QList<ChannelKey> ChannelSheetWindow::keysOf(const QList<int>& rows, bool usedOnly) const {
    QList<ChannelKey> keys;
    for (int row : rows) {
        const ChannelKey key = rows_->keyOfRow(row);
        if (!usedOnly || model_.channel(key))
            keys << key;
    }
    return keys;
}

QString ChannelSheetWindow::cellText(int row, int column) const {
    return lang(texts().cell).arg(rows_->label(row), rows_->columnCaption(column));
}

void ChannelSheetWindow::takeEdit(int row, int column, const QVariant& value) {
    if (column == ChannelSheetModel::kFrequencyColumn)
        commitFrequency(row, value.toString());
    else
        applyValue(rowsFor(row), column, value.toInt());
}

void ChannelSheetWindow::commitFrequency(int row, const QString& text) {
    const ChannelWindowCaptions& names = channelWindowCaptions();
    const EditName name =
        editNameOf(text.trimmed().isEmpty() ? names.editChannelCleared : names.editFrequency,
                   rows_->label(row));
    // The channel window's refusal, and where it happened.
    if (const auto refusal = model_.setFrequency(rows_->keyOfRow(row), text, name))
        prompter_.warn(refusal->in(lang_) + u'\n' +
                       cellText(row, ChannelSheetModel::kFrequencyColumn));
}

void ChannelSheetWindow::applyValue(const QList<int>& rows, int column, int value) {
    const auto field = rows_->fieldOf(column);
    const QList<ChannelKey> keys = keysOf(rows, true);
    if (!field || keys.isEmpty())
        return;
    const BiText caption = channelFieldInfo(*field).caption;
    const EditName name =
        keys.size() == 1 ? editNameOf(channelWindowCaptions().editDetail, caption,
                                      rows_->label(rows_->rowOf(keys.first())))
                         : editNameOf(texts().editValues, caption, QString::number(keys.size()));
    model_.setChannelValues(keys, *field, value, name);
}

// The next entry after the shown one that begins with the key, round the list.
void ChannelSheetWindow::pickByLetter(int row, int column, const QString& text) {
    const DetailChoices choices = rows_->choicesAt(row, column);
    for (int step = 1; step <= choices.offered; ++step) {
        const int at = (std::max(choices.shown, -1) + step) % choices.offered;
        if (!choices.entries.at(at).startsWith(text, Qt::CaseInsensitive))
            continue;
        if (const auto value = rows_->valueOfChoice(row, column, at))
            applyValue(rowsFor(row), column, *value);
        return;
    }
}

void ChannelSheetWindow::clearSelected(const BiText& manyName) {
    const QList<int> rows = view_->selectedRows();
    const QList<ChannelKey> keys = keysOf(rows, true);
    if (keys.isEmpty())
        return;
    const EditName name = keys.size() == 1 ? editNameOf(channelWindowCaptions().editChannelCleared,
                                                        rows_->label(rows_->rowOf(keys.first())))
                                           : editNameOf(manyName, QString::number(keys.size()));
    model_.clearChannels(keys, name);
}

void ChannelSheetWindow::copySelected() {
    const QList<ChannelKey> keys = keysOf(view_->selectedRows(), false);
    if (!keys.isEmpty())
        QApplication::clipboard()->setText(channelsAsTable(model_.image(), model_.table(), keys));
}

void ChannelSheetWindow::cutSelected() {
    copySelected();
    clearSelected(texts().editCut);
}

void ChannelSheetWindow::paste() {
    const QString text = QApplication::clipboard()->text();
    const int start = view_->currentIndex().isValid() ? view_->currentIndex().row() : 0;
    if (text.trimmed().isEmpty() || start >= rows_->rowCount())
        return;
    QList<ChannelKey> targets;
    for (int row = start; row < rows_->rowCount(); ++row)
        targets << rows_->keyOfRow(row);
    const ChannelPasteResult result =
        model_.pasteChannels(text, targets, editNameOf(texts().editPasted, rows_->label(start)));
    status_->setText(lang(texts().pasted).arg(result.taken));
    if (result.refused.isEmpty())
        return;
    QStringList report{lang(texts().notPasted)};
    for (const PasteRefusal& refusal : result.refused) {
        QString where = lang(texts().pastedLine).arg(refusal.problem.row);
        if (const int row = rows_->rowOf(refusal.key); row >= 0 && refusal.key.chNo > 0)
            where += QStringLiteral(" → ") + rows_->label(row);
        QString line = where + QStringLiteral(": ") + refusal.problem.reason(lang_);
        if (!refusal.problem.value.isEmpty())
            line += QStringLiteral(" (") + refusal.problem.value + u')';
        report << line;
    }
    prompter_.warn(report.join(u'\n'));
}

// The first selected row's frequency, then one step more on each selected row below it.
void ChannelSheetWindow::fillDown() {
    commitPendingEdit();
    const QList<int> rows = view_->selectedRows();
    if (rows.size() < 2)
        return;
    const ChannelRec* first = model_.channel(rows_->keyOfRow(rows.first()));
    const auto start = first ? Frequency::fromStored(first->rxFreq.raw()) : std::nullopt;
    if (!start) {
        prompter_.warn(lang(texts().noStart));
        return;
    }
    const std::int64_t stepHz = std::llround(step_->value() * 1000);
    QList<DocumentModel::FrequencyEntry> entries;
    for (qsizetype i = 1; i < rows.size(); ++i)
        entries.append(
            {rows_->keyOfRow(rows[i]), Frequency::fromHz(start->hz() + stepHz * i).text()});
    const auto refused = model_.setFrequencies(
        entries, editNameOf(texts().editFilled, QString::number(entries.size())));
    if (refused.isEmpty())
        return;
    QStringList report{lang(texts().notFilled)};
    for (const auto& [key, refusal] : refused)
        report << refusal.in(lang_);
    prompter_.warn(report.join(u'\n'));
}

void ChannelSheetWindow::commitPendingEdit() {
    view_->commitEntry();
}

void ChannelSheetWindow::closeEvent(QCloseEvent* event) {
    commitPendingEdit();
    QWidget::closeEvent(event);
}

} // namespace r5k27
