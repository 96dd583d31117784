#include "HistoryWindow.h"

#include "HistoryTexts.h"
#include "common/FileDialogs.h"
#include "core/common/CsvText.h"
#include "core/common/FileCommit.h"
#include "core/common/Prompter.h"
#include "core/document/DataFile.h"
#include "platform/SystemFileCommit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace r5k27 {
namespace {

constexpr int kHiddenColumns[] = {int(HistoryColumn::Id), int(HistoryColumn::Ended),
                                  int(HistoryColumn::Radio), int(HistoryColumn::CableSerial),
                                  int(HistoryColumn::ProgramVersion)};

QComboBox* choiceBox(const QString& all, const QStringList& keys,
                     const std::function<QString(const QString&)>& text, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(all);
    for (const QString& key : keys)
        box->addItem(text(key), key);
    return box;
}

} // namespace

HistoryWindow::HistoryWindow(HistoryDatabase& db, Language lang, FileDialogs& dialogs,
                             Prompter& prompter, HistoryEntryActions actions, QWidget* parent)
    : QWidget(parent)
    , db_(db)
    , lang_(lang)
    , dialogs_(dialogs)
    , prompter_(prompter)
    , actions_(std::move(actions))
    , model_(new HistoryTableModel(db.connection(), lang, this))
    , table_(new QTableView(this)) {
    setObjectName(QStringLiteral("frmRadioHistory"));
    setWindowTitle(HistoryTexts::title.in(lang));
    auto* bar = new QWidget(this);
    buildFilters(bar);

    table_->setObjectName(QStringLiteral("historyTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto button = [this](const char* name, const LocalText& text) {
        auto* b = new QPushButton(text.in(lang_), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    open_ = button("cmdOpenAsDocument", HistoryTexts::openAsDocument);
    compare_ = button("cmdCompare", HistoryTexts::compareWithOpen);
    write_ = button("cmdWriteToRadio", HistoryTexts::writeToRadio);
    QPushButton* exportButton = button("cmdExport", HistoryTexts::exportRows);
    connect(open_, &QPushButton::clicked, this, [this] { runOnSelected(actions_.open); });
    connect(compare_, &QPushButton::clicked, this, [this] { runOnSelected(actions_.compare); });
    connect(write_, &QPushButton::clicked, this, [this] { runOnSelected(actions_.write); });
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportRows);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {open_, compare_, write_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    applyFilter();
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::updateButtons);
    resize(900, 420);
}

void HistoryWindow::buildFilters(QWidget* bar) {
    const auto label = [this, bar](const LocalText& text) {
        return new QLabel(text.in(lang_), bar);
    };
    const auto dateBox = [bar](const char* name) {
        auto* edit = new QDateEdit(QDate::currentDate(), bar);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setEnabled(false);
        return edit;
    };
    useFrom_ = new QCheckBox(HistoryTexts::from.in(lang_), bar);
    useTo_ = new QCheckBox(HistoryTexts::to.in(lang_), bar);
    from_ = dateBox("dateFrom");
    to_ = dateBox("dateTo");
    kind_ = choiceBox(
        HistoryTexts::all.in(lang_), kindKeys(),
        [this](const QString& key) {
            return kindText(*kindFromKey(key), 0, lang_).remove(QStringLiteral("%1"));
        },
        bar);
    outcome_ = choiceBox(
        HistoryTexts::all.in(lang_), outcomeKeys(),
        [this](const QString& key) { return outcomeText(*outcomeFromKey(key), lang_); }, bar);
    port_ = new QLineEdit(bar);
    document_ = new QLineEdit(bar);
    kind_->setObjectName(QStringLiteral("cboKind"));
    outcome_->setObjectName(QStringLiteral("cboOutcome"));
    port_->setObjectName(QStringLiteral("txtPort"));
    document_->setObjectName(QStringLiteral("txtFileName"));

    auto* grid = new QGridLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(useFrom_, 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(useTo_, 0, 2);
    grid->addWidget(to_, 0, 3);
    grid->addWidget(label(HistoryTexts::fileName), 0, 4);
    grid->addWidget(document_, 0, 5);
    grid->addWidget(label(HistoryTexts::kind), 1, 0);
    grid->addWidget(kind_, 1, 1);
    grid->addWidget(label(HistoryTexts::outcome), 1, 2);
    grid->addWidget(outcome_, 1, 3);
    grid->addWidget(label(HistoryTexts::port), 1, 4);
    grid->addWidget(port_, 1, 5);
    grid->setColumnStretch(5, 1);

    for (QCheckBox* box : {useFrom_, useTo_})
        connect(box, &QCheckBox::toggled, this, [this] {
            from_->setEnabled(useFrom_->isChecked());
            to_->setEnabled(useTo_->isChecked());
            applyFilter();
        });
    for (QDateEdit* edit : {from_, to_})
        connect(edit, &QDateEdit::dateChanged, this, &HistoryWindow::applyFilter);
    for (QComboBox* box : {kind_, outcome_})
        connect(box, &QComboBox::currentIndexChanged, this, &HistoryWindow::applyFilter);
    for (QLineEdit* edit : {port_, document_})
        connect(edit, &QLineEdit::textChanged, this, &HistoryWindow::applyFilter);
}

HistoryFilter HistoryWindow::filter() const {
    HistoryFilter f;
    if (useFrom_->isChecked())
        f.since = from_->date();
    if (useTo_->isChecked())
        f.until = to_->date();
    f.kind = kindFromKey(kind_->currentData().toString());
    f.outcome = outcomeFromKey(outcome_->currentData().toString());
    f.port = port_->text().trimmed();
    f.document = document_->text().trimmed();
    return f;
}

void HistoryWindow::applyFilter() {
    model_->setFilter(filter());
    // A new query resets the header: its columns are laid out again.
    for (const int column : kHiddenColumns)
        table_->hideColumn(column);
    const int timeWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 16;
    table_->setColumnWidth(int(HistoryColumn::Started), timeWidth);
    table_->setColumnWidth(int(HistoryColumn::Kind), timeWidth);
    table_->setColumnWidth(int(HistoryColumn::Document), timeWidth);
    // What happened comes right after what it was.
    QHeaderView* header = table_->horizontalHeader();
    int after = header->visualIndex(int(HistoryColumn::Kind));
    for (const HistoryColumn column : {HistoryColumn::Outcome, HistoryColumn::Message})
        header->moveSection(header->visualIndex(int(column)), ++after);
    updateButtons();
}

void HistoryWindow::updateButtons() {
    const bool selected = table_->selectionModel() && table_->selectionModel()->hasSelection();
    for (QPushButton* b : {open_, compare_, write_})
        b->setEnabled(selected);
}

void HistoryWindow::runOnSelected(const HistoryEntryActions::Action& action) {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty() || !action)
        return;
    const qint64 id = model_->operationId(rows.first().row());
    const auto row = operationRow(db_.connection(), id);
    const auto image = operationImage(db_.connection(), id);
    if (!row || !image) {
        prompter_.warn(HistoryTexts::noImage.in(lang_));
        return;
    }
    action(*image, *row);
}

bool HistoryWindow::exportTo(const QString& path) {
    QSqlQuery query = historyQuery(db_.connection(), model_->filter());
    QString text = csvLine(historyCsvHeader());
    int count = 0;
    for (; query.next(); ++count)
        text += csvLine(historyCsvFields(historyRow(query)));
    if (const auto failure = writeFileChecked(path, text.toUtf8())) {
        prompter_.error(writeFailureMessage(DataFileTexts::fileError.in(lang_), *failure, lang_));
        return false;
    }
    prompter_.inform(HistoryTexts::exported.in(lang_).arg(count).arg(path));
    return true;
}

void HistoryWindow::exportRows() {
    QString title = HistoryTexts::exportRows.in(lang_);
    title.remove(QStringLiteral("…"));
    const QString path = dialogs_.saveFileName(HistoryTexts::csvFilter.in(lang_),
                                               QStringLiteral("radio-history.csv"), title);
    if (!path.isEmpty())
        exportTo(path);
}

} // namespace r5k27
