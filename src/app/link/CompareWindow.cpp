#include "CompareWindow.h"

#include "link/CompareTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace r5k27 {

namespace T = CompareTexts;

CompareWindow::CompareWindow(const QList<FieldDifference>& differences, Source source,
                             Language lang, QWidget* parent)
    : QDialog(parent)
    , table_(new QTableWidget(int(differences.size()), 3, this)) {
    const bool radio = source == Source::Radio;
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle((radio ? T::compareWithRadio : T::compareWithFile).in(lang).remove(u'…'));
    table_->setHorizontalHeaderLabels({T::valueColumn.in(lang), T::documentColumn.in(lang),
                                       (radio ? T::radioColumn : T::fileColumn).in(lang)});
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < differences.size(); ++row) {
        const FieldDifference& d = differences[row];
        table_->setItem(row, 0, new QTableWidgetItem(d.where));
        table_->setItem(row, 1, new QTableWidgetItem(d.left));
        table_->setItem(row, 2, new QTableWidgetItem(d.right));
    }

    auto* layout = new QVBoxLayout(this);
    if (differences.isEmpty()) {
        layout->addWidget(
            new QLabel((radio ? T::noDifferences : T::noFileDifferences).in(lang), this));
        table_->hide();
    }
    layout->addWidget(table_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto button = [&](const LocalText& text, std::function<void()>* action) {
        auto* b = new QPushButton(text.in(lang), this);
        b->setEnabled(!differences.isEmpty());
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, action] {
            accept();
            if (*action)
                (*action)();
        });
    };
    if (radio)
        button(T::writeToRadio, &write_);
    button(radio ? T::takeRadioValues : T::takeFileValues, &take_);
    auto* close = new QPushButton(T::close.in(lang), this);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    resize(560, 420);
}

} // namespace r5k27
