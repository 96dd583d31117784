// What the channel list does with the user's edits and commands: each is one document-model
// call, on the rows the user chose.
#include "ChannelSheetModel.h"
#include "ChannelSheetView.h"
#include "ChannelSheetWindow.h"
#include "channelsheet/ChannelSheetCaptions.h"
#include "core/common/Prompter.h"
#include "core/document/ChannelCsv.h"
#include "core/document/DocumentModel.h"
#include "core/document/EditNames.h"
#include "core/lang/ChannelWindowCaptions.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <cmath>

namespace r5k27 {
namespace {

const ChannelSheetCaptions& texts() {
    return channelSheetCaptions();
}

} // namespace

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
    const LocalText caption = channelFieldInfo(*field).caption;
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

void ChannelSheetWindow::clearSelected(const LocalText& manyName) {
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

namespace {

// The lines of text when each holds one cell; empty when some hold more.
QStringList singleCells(const QString& text) {
    QStringList cells;
    for (const QString& line : text.split(u'\n')) {
        if (line.contains(u'\t') || line.contains(u','))
            return {};
        if (!line.trimmed().isEmpty())
            cells << line.trimmed();
    }
    return cells;
}

} // namespace

void ChannelSheetWindow::paste() {
    const QString text = QApplication::clipboard()->text();
    const QModelIndex current = view_->currentIndex();
    const int start = current.isValid() ? current.row() : 0;
    if (text.trimmed().isEmpty() || start >= rows_->rowCount())
        return;
    // Values alone on a list column are entries of that list, not channels.
    const QStringList cells = singleCells(text);
    if (!cells.isEmpty() && current.isValid() &&
        current.column() != ChannelSheetModel::kFrequencyColumn &&
        rows_->fieldOf(current.column())) {
        pasteIntoColumn(cells, start, current.column());
        return;
    }
    QList<ChannelKey> targets;
    for (int row = start; row < rows_->rowCount(); ++row)
        targets << rows_->keyOfRow(row);
    const ChannelPasteResult result =
        model_.pasteChannels(text, targets, editNameOf(texts().editPasted, rows_->label(start)));
    status_->setText(lang(texts().pasted).arg(result.taken));
    reportNotPasted(result.refused);
}

// One value onto every selected row, or line i onto the i-th row from start; a value is matched
// against the list the cell offers, as choosing it there would be.
void ChannelSheetWindow::pasteIntoColumn(const QStringList& cells, int start, int column) {
    const QList<int> rows = cells.size() == 1 ? rowsFor(start) : [&] {
        QList<int> below;
        for (int row = start; row < rows_->rowCount() && below.size() < cells.size(); ++row)
            below << row;
        return below;
    }();
    QList<DocumentModel::ChannelValue> values;
    QList<PasteRefusal> refused;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString& cell = cells.value(cells.size() == 1 ? 0 : i);
        const DetailChoices choices = rows_->choicesAt(rows[i], column);
        if (choices.entries.isEmpty())
            continue; // an empty slot has no list
        std::optional<int> value;
        for (int at = 0; at < choices.offered && !value; ++at)
            if (choices.entries.at(at).compare(cell, Qt::CaseInsensitive) == 0)
                value = rows_->valueOfChoice(rows[i], column, at);
        if (value)
            values.append({rows_->keyOfRow(rows[i]), *value});
        else
            refused.append(
                {rows_->keyOfRow(rows[i]),
                 CsvProblem{int(cells.size() == 1 ? 1 : i + 1), cell,
                            formatted(texts().notInList, rows_->columnCaption(column))}});
    }
    const auto field = rows_->fieldOf(column);
    const LocalText caption = channelFieldInfo(*field).caption;
    const EditName name =
        values.size() == 1
            ? editNameOf(channelWindowCaptions().editDetail, caption,
                         rows_->label(rows_->rowOf(values.first().first)))
            : editNameOf(texts().editValues, caption, QString::number(values.size()));
    const int taken = values.isEmpty() ? 0 : model_.setChannelValues(values, *field, name);
    status_->setText(lang(texts().pastedValues).arg(taken));
    reportNotPasted(refused);
}

void ChannelSheetWindow::reportNotPasted(const QList<PasteRefusal>& refused) {
    if (refused.isEmpty())
        return;
    QStringList report{lang(texts().notPasted)};
    for (const PasteRefusal& refusal : refused) {
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
        status_->clear();
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
    status_->setText(lang(texts().filled).arg(entries.size() - refused.size()));
    if (refused.isEmpty())
        return;
    QStringList report{lang(texts().notFilled)};
    for (const auto& [key, refusal] : refused)
        report << refusal.in(lang_);
    prompter_.warn(report.join(u'\n'));
}

} // namespace r5k27
