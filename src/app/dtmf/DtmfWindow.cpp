#include "DtmfWindow.h"

#include "DtmfCodeEditor.h"
#include "common/CloseChildWindow.h"
#include "core/image/FixedText.h"
#include "core/signalling/DtmfReferences.h"
#include "dtmf/DtmfWindowCaptions.h"
#include "startup/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace r5k27 {
namespace {

namespace C = DtmfWindowCaptions;
constexpr int kCodeColumn = 1;
enum Page { EncodePage, DecodePage, AutodialPage };

QTableWidgetItem* centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// The undo name of a setting: its caption without the unit.
EditName editNameOf(const LocalText& caption) {
    EditName name = caption;
    for (QString& text : name.texts)
        text = text.section(u'[', 0, 0).trimmed();
    return name;
}

} // namespace

DtmfWindow::DtmfWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("FrmDTMF"));
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildEncodePage(), QString());
    // Nothing of the decode settings is stored in the document, so the page stays switched off.
    tabs_->addTab(new QWidget, QString());
    tabs_->setTabEnabled(DecodePage, false);
    tabs_->addTab(buildAutodialPage(), QString());

    auto* close = new QPushButton(ctx.captions.buttons.close.in(lang()), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    auto* help = new QPushButton(ctx.captions.buttons.help.in(lang()), this);
    help->setObjectName(QStringLiteral("CommandHelp"));
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    applyCaptions();
    showData();

    connect(&ctx.events, &DocumentEvents::changed, this, [this](const DocumentChange& change) {
        if (change.kind == DocumentChange::Kind::Whole)
            showData();
    });
    connect(&ctx.events, &DocumentEvents::revealed, this, [this](const DocumentChange& change) {
        // Undo or redo of a code: its row comes into view.
        if (change.kind == DocumentChange::Kind::Dtmf && change.item >= 1) {
            tabs_->setCurrentIndex(AutodialPage);
            grid_->setCurrentCell(change.item - 1, kCodeColumn);
        }
    });
}

Language DtmfWindow::lang() const {
    return ctx_.settings.language;
}

QWidget* DtmfWindow::buildEncodePage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (std::size_t i = 0; i < kDtmfTimings.size(); ++i) {
        const DtmfTiming timing = kDtmfTimings[i];
        auto* label = new QLabel(page);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* list = new QComboBox(page);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        list->addItems(dtmfTimingList(timing, lang()));
        label->setBuddy(list);
        connect(list, &QComboBox::activated, this,
                [this, timing](int index) { chooseTiming(timing, index); });
        grid->addWidget(label, int(i), 0);
        grid->addWidget(list, int(i), 1);
        timingLabels_[i] = label;
        timingLists_[i] = list;
    }
    display_ = new QCheckBox(page);
    display_->setObjectName(QStringLiteral("Check1"));
    connect(display_, &QCheckBox::clicked, this, &DtmfWindow::tickDisplay);
    grid->addWidget(display_, int(kDtmfTimings.size()), 1);
    grid->setRowStretch(int(kDtmfTimings.size()) + 1, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* DtmfWindow::buildAutodialPage() {
    auto* page = new QWidget;
    grid_ = new QTableWidget(kDtmfCodeCount, 2, page);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->verticalHeader()->hide();
    // All sixteen codes fit without scrolling.
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab and Enter in the editor leave the grid for the next control instead of walking cells.
    grid_->setTabKeyNavigation(false);
    for (int row = 0; row < kDtmfCodeCount; ++row) {
        grid_->setItem(row, 0, centredItem(QString::number(row + 1)));
        grid_->setItem(row, kCodeColumn, centredItem(QString()));
    }
    grid_->setCurrentCell(0, kCodeColumn);

    // The grid is worked as the channel grid is: arrows and Tab move without editing, a click,
    // Enter or F2 opens the entry on the code, a key the radio can dial starts it afresh, Delete
    // clears the code. The entry is stored when left, dropped with Escape.
    editor_ = new DtmfCodeEditor(grid_->viewport());
    editor_->hide();
    grid_->installEventFilter(this);
    // Enter stores the code and goes on to the next one, so codes can be typed one after another.
    connect(editor_, &DtmfCodeEditor::enterPressed, this, [this] {
        const int row = editRow_;
        commitCodeEdit();
        if (row < kDtmfCodeCount)
            grid_->setCurrentCell(row, kCodeColumn);
    });
    connect(editor_, &DtmfCodeEditor::escapePressed, this, [this] { closeEditor(); });
    connect(editor_, &DtmfCodeEditor::focusLost, this, [this] {
        if (editRow_ > 0 && !closing_)
            commitCodeEdit();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] {
        if (editRow_ > 0)
            commitCodeEdit();
    });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row) { openEditor(row, {}); });
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &DtmfWindow::placeEditor);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            &DtmfWindow::placeEditor);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid_);
    return page;
}

void DtmfWindow::applyCaptions() {
    const Language l = lang();
    setWindowTitle(C::window.in(l));
    tabs_->setTabText(EncodePage, C::encodePage.in(l));
    tabs_->setTabText(DecodePage, C::decodePage.in(l));
    tabs_->setTabText(AutodialPage, C::autodialPage.in(l));
    grid_->setHorizontalHeaderLabels({C::numberHeader.in(l), C::codeHeader.in(l)});
    for (std::size_t i = 0; i < kDtmfTimings.size(); ++i)
        timingLabels_[i]->setText(dtmfTimingCaption(kDtmfTimings[i]).in(l));
    display_->setText(kDtmfDisplayCaption.in(l));
}

void DtmfWindow::showData() {
    const MemoryImage& image = ctx_.model.image();
    for (std::size_t i = 0; i < kDtmfTimings.size(); ++i) {
        // A stored value the list has no entry for is shown as itself, and stays as it is.
        QComboBox* list = timingLists_[i];
        const QSignalBlocker quiet(list);
        const QStringList entries = dtmfTimingList(kDtmfTimings[i], lang());
        list->clear();
        list->addItems(entries);
        int index = dtmfTimingIndex(image, kDtmfTimings[i], lang());
        if (index < 0) {
            list->addItem(dtmfTimingStoredText(image, kDtmfTimings[i]));
            index = int(entries.size());
        }
        list->setCurrentIndex(index);
    }
    const QSignalBlocker quiet(display_);
    display_->setChecked(dtmfDisplayOn(image));

    editRow_ = 0;
    editor_->hide();
    for (int n = 1; n <= kDtmfCodeCount; ++n)
        grid_->item(n - 1, kCodeColumn)->setText(dtmfCodeText(image, n));
}

void DtmfWindow::openEditor(int row, const QString& typed) {
    if (row < 0 || row >= kDtmfCodeCount)
        return;
    if (editRow_ > 0 && editRow_ != row + 1)
        commitCodeEdit();
    editRow_ = row + 1;
    if (typed.isEmpty()) {
        editor_->setText(grid_->item(row, kCodeColumn)->text());
        editor_->selectAll();
    } else {
        // What is typed on a cell replaces its code, as in the channel grid.
        editor_->setText(dtmfCodeFromTyped(typed));
    }
    placeEditor();
    editor_->show();
    editor_->setFocus();
}

void DtmfWindow::closeEditor() {
    const bool hadFocus = editor_->hasFocus();
    editRow_ = 0;
    closing_ = true;
    editor_->hide();
    closing_ = false;
    if (hadFocus)
        grid_->setFocus(Qt::OtherFocusReason);
}

bool DtmfWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grid_ || event->type() != QEvent::KeyPress || editRow_ > 0)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int row = grid_->currentRow();
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F2) {
        openEditor(row, {});
        return true;
    }
    if (key->key() == Qt::Key_Delete && row >= 0) {
        storeCode(row + 1, QString());
        return true;
    }
    if (plain && !key->text().isEmpty() && !dtmfCodeFromTyped(key->text()).isEmpty()) {
        openEditor(row, key->text());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DtmfWindow::placeEditor() {
    if (editRow_ > 0)
        editor_->setGeometry(grid_->visualRect(grid_->model()->index(editRow_ - 1, kCodeColumn)));
}

void DtmfWindow::commitCodeEdit() {
    if (editRow_ < 1)
        return;
    const int row = editRow_;
    const QString text = editor_->text();
    closeEditor();
    storeCode(row, text);
}

void DtmfWindow::storeCode(int n, const QString& text) {
    grid_->item(n - 1, kCodeColumn)->setText(text);
    ctx_.model.setDtmfCode(n, text, formatted(C::codeEdit, QString::number(n)), QString());
}

void DtmfWindow::chooseTiming(DtmfTiming timing, int index) {
    // The entry after the list's own is the stored value itself: nothing to store.
    if (index < int(dtmfTimingList(timing, lang()).size()))
        ctx_.model.setDtmfTiming(timing, index, lang(), editNameOf(dtmfTimingCaption(timing)));
}

void DtmfWindow::tickDisplay(bool on) {
    ctx_.model.setDtmfDisplay(on, editNameOf(kDtmfDisplayCaption));
}

} // namespace r5k27
