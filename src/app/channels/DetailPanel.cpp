#include "DetailPanel.h"

#include "ControlHelpers.h"
#include "core/channels/ChannelRec.h"
#include "core/channels/ListHelpers.h"
#include "core/image/MemoryImage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace r5k27 {
namespace {

constexpr int kRowsPerColumn = 8;

} // namespace

DetailPanel::DetailPanel(Language lang, const QString& noSetting, QWidget* parent)
    : QGroupBox(parent)
    , lang_(lang) {
    setObjectName(QStringLiteral("Frame3"));
    // Widths from the font rather than from the entries: measuring 143 tone texts, or making
    // the lists' pop-ups early, would slow every opening of the window.
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    auto minimumWidth = [charWidth](int characters) { return charWidth * characters + 36; };
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    for (int i = 0; i < kDetailCount; ++i) {
        auto* label = new QLabel(detailCaption(i).in(lang), this);
        label->setObjectName(QStringLiteral("Label5_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("Combo8_%1").arg(i));
        combo->setMinimumWidth(minimumWidth(i == 0 ? 14 : 7));
        sizeByCharacters(combo, i == 0 ? 14 : 7);
        label->setBuddy(combo);
        const int row = i % kRowsPerColumn;
        const int column = (i / kRowsPerColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        connect(combo, &QComboBox::activated, this,
                [this, i](int position) { emit chosen(i, position); });
        lists_[std::size_t(i)] = combo;
        labels_[std::size_t(i)] = label;
        if (!detailField(i)) {
            combo->setEnabled(false);
            combo->setToolTip(noSetting);
            label->setEnabled(false);
            label->setToolTip(noSetting);
        } else {
            hint(combo, detailHint(i, lang));
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void DetailPanel::showChannel(const QString& caption, const ChannelRec& rec,
                              const MemoryImage& image, bool memView) {
    setTitle(caption);
    for (int i = 0; i < kDetailCount; ++i) {
        DetailChoices choices = detailChoices(i, rec, image, lang_, memView);
        QComboBox* combo = list(i);
        const QSignalBlocker block(combo);
        if (choices_[std::size_t(i)].entries != choices.entries) {
            combo->clear();
            combo->addItems(choices.entries);
        }
        combo->setCurrentIndex(choices.shown);
        choices_[std::size_t(i)] = std::move(choices);
    }
    applyPublicRule(rec.publicCh == 1);
}

std::optional<int> DetailPanel::chosenValue(int index, int position) const {
    if (index < 0 || index >= kDetailCount)
        return std::nullopt;
    return detailValue(index, choices_[std::size_t(index)], position);
}

void DetailPanel::applyPublicRule(bool isPublic) {
    for (int i = 0; i < kDetailCount; ++i) {
        if (isGreyedWhenPublic(i)) {
            list(i)->setEnabled(!isPublic);
            labels_[std::size_t(i)]->setEnabled(!isPublic);
        }
    }
}

} // namespace r5k27
