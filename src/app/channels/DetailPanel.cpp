#include "DetailPanel.h"

#include "channels/ChannelRec.h"
#include "channels/ListHelpers.h"
#include "image/MemoryImage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace r5k27 {
namespace {

constexpr int kRowsPerColumn = 8;

} // namespace

DetailPanel::DetailPanel(int lang, QWidget* parent)
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
        label->setBuddy(combo);
        const int row = i % kRowsPerColumn;
        const int column = (i / kRowsPerColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        connect(combo, &QComboBox::activated, this,
                [this, i](int position) { emit chosen(i, position); });
        lists_[std::size_t(i)] = combo;
        labels_[std::size_t(i)] = label;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void DetailPanel::fill(int index, const QStringList& entries, int shown) {
    QComboBox* combo = list(index);
    const QSignalBlocker block(combo);
    if (entries_[std::size_t(index)] != entries) {
        combo->clear();
        combo->addItems(entries);
        entries_[std::size_t(index)] = entries;
    }
    combo->setCurrentIndex(shown);
}

void DetailPanel::refill(int index, const QStringList& entries) {
    fill(index, entries, selectListText(entries, list(index)->currentText()));
}

void DetailPanel::showChannel(const QString& caption, const ChannelRec& rec,
                              const MemoryImage& image, bool memView) {
    setTitle(caption);
    for (int i = 0; i < kDetailCount; ++i) {
        const QStringList entries = detailList(i, image, lang_, memView);
        // The two lists that hold nothing keep the user's last choice.
        const bool keeps = (i == 1 || i == 8) && entries == entries_[std::size_t(i)];
        fill(i, entries, keeps ? list(i)->currentIndex() : detailShownIndex(i, rec, entries));
    }
    applyPublicRule(rec.publicCh == 1);
}

void DetailPanel::refreshDtmfLists(const MemoryImage& image) {
    for (int i = kDetailFirstDtmf; i <= kDetailLastDtmf; ++i)
        refill(i, detailList(i, image, lang_, false));
}

void DetailPanel::refreshRogerList(const MemoryImage& image) {
    refill(kDetailRoger, detailList(kDetailRoger, image, lang_, false));
}

void DetailPanel::refreshModeList(const ChannelRec& rec, const MemoryImage& image, bool memView) {
    const QStringList entries = detailList(kDetailMode, image, lang_, memView);
    fill(kDetailMode, entries, detailShownIndex(kDetailMode, rec, entries));
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
