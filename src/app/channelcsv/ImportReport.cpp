#include "ImportReport.h"

#include "channelcsv/ChannelCsvTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace r5k27 {

ImportReport::ImportReport(const CsvImportResult& result, Language lang, QWidget* parent)
    : QDialog(parent) {
    using namespace ChannelCsvTexts;
    setObjectName(QStringLiteral("ImportReport"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(reportTitle.in(lang));

    const QList<CsvProblem> rows = result.problems + result.changed;
    const LocalText& some = result.changed.isEmpty() ? reportSome : reportChanged;
    auto* summary =
        new QLabel(result.taken > 0 ? some.in(lang).arg(result.taken) : reportNone.in(lang));
    summary->setObjectName(QStringLiteral("Summary"));
    auto* table = new QTableWidget(int(rows.size()), 3);
    table->setObjectName(QStringLiteral("Problems"));
    table->setHorizontalHeaderLabels(
        {rowColumn.in(lang), valueColumn.in(lang), reasonColumn.in(lang)});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < rows.size(); ++i) {
        const CsvProblem& p = rows[i];
        table->setItem(i, 0, new QTableWidgetItem(QString::number(p.row)));
        table->setItem(i, 1, new QTableWidgetItem(p.value));
        table->setItem(i, 2, new QTableWidgetItem(p.reason(lang)));
    }
    table->resizeColumnsToContents();
    // Only the first rows of each kind are listed; the rest are counted below the table.
    auto* more =
        new QLabel(kCsvMoreRows.in(lang).arg(result.problemsLeftOut() + result.changesLeftOut()));
    more->setObjectName(QStringLiteral("MoreRows"));
    more->setVisible(result.problemsLeftOut() + result.changesLeftOut() > 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table);
    layout->addWidget(more);
    layout->addWidget(buttons);
    resize(560, 320);
}

} // namespace r5k27
