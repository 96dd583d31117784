#include "RogerBeepWindow.h"

#include "ToneSequencePicture.h"
#include "common/CloseChildWindow.h"
#include "core/channels/ListHelpers.h"
#include "core/signalling/RogerTones.h"
#include "core/signalling/ToneEditing.h"
#include "core/signalling/TonePlayback.h"
#include "platform/ToneSink.h"
#include "rogerbeep/RogerBeepCaptions.h"
#include "startup/AppContext.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace r5k27 {
namespace {

namespace C = RogerBeepCaptions;

QComboBox* makeList(QWidget* parent, const QString& name, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(entries);
    list->setMaxVisibleItems(16);
    return list;
}

QLabel* makeLabel(QWidget* parent, const QString& name, Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

} // namespace

RogerBeepWindow::RogerBeepWindow(AppContext& ctx, ToneSink& sink, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , sink_(sink) {
    setObjectName(QStringLiteral("FrmToneTips"));
    buildControls();
    applyCaptions();
    showSequence();
    updatePlayButton();

    connect(&ctx.events, &DocumentEvents::changed, this, [this](const DocumentChange& change) {
        if (change.kind == DocumentChange::Kind::Whole ||
            (change.kind == DocumentChange::Kind::RogerBeep && change.item == curTone_))
            showSequence();
    });
    connect(&ctx.events, &DocumentEvents::revealed, this, [this](const DocumentChange& change) {
        // Undo or redo of a sequence shows its tab.
        if (change.kind == DocumentChange::Kind::RogerBeep && change.item != curTone_ &&
            change.item >= 1 && change.item <= kToneSeqCount)
            tabs_->setCurrentIndex(change.item - 1);
    });
    connect(&sink, &ToneSink::finished, this, [this] {
        playing_ = false;
        updatePlayButton();
    });
    connect(&sink, &ToneSink::availabilityChanged, this, &RogerBeepWindow::updatePlayButton);
}

RogerBeepWindow::~RogerBeepWindow() {
    stop();
}

Language RogerBeepWindow::lang() const {
    return ctx_.settings.language;
}

const ToneSeq& RogerBeepWindow::sequence() const {
    return ctx_.model.image().rbTone.tone(curTone_);
}

void RogerBeepWindow::buildControls() {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    for (int t = 1; t <= kToneSeqCount; ++t)
        tabs_->addTab(QString());
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index + 1 != curTone_) {
            curTone_ = index + 1;
            showSequence();
        }
    });

    auto* page = new QHBoxLayout;
    page->addLayout(buildStepLists());
    page->addLayout(buildPictureAndButtons(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(page);
}

// Repeat count and pause, then a frequency and a length list per step.
QGridLayout* RogerBeepWindow::buildStepLists() {
    auto* steps = new QGridLayout;
    repeatLabel_ = makeLabel(this, QStringLiteral("Label1"), Qt::AlignRight);
    repeatList_ = makeList(this, QStringLiteral("Combo1"), repeatCountList(lang()));
    interLabel_ = makeLabel(this, QStringLiteral("Label2"), Qt::AlignRight);
    interList_ = makeList(this, QStringLiteral("Combo2"), interTimeList());
    connect(repeatList_, &QComboBox::activated, this, &RogerBeepWindow::chooseRepeatCount);
    connect(interList_, &QComboBox::activated, this, &RogerBeepWindow::chooseInterTime);
    steps->addWidget(repeatLabel_, 0, 0);
    steps->addWidget(repeatList_, 0, 1);
    steps->addWidget(interLabel_, 1, 0);
    steps->addWidget(interList_, 1, 1);

    frequencyHeader_ = makeLabel(this, QStringLiteral("Label3"), Qt::AlignCenter);
    lengthHeader_ = makeLabel(this, QStringLiteral("Label4"), Qt::AlignCenter);
    steps->addWidget(frequencyHeader_, 2, 1);
    steps->addWidget(lengthHeader_, 2, 2);
    const QStringList frequencies = stepFrequencyList(lang());
    const QStringList lengths = stepLengthList();
    for (int i = 0; i < kToneStepCount; ++i) {
        const int step = i + 1;
        stepLabels_[i] = makeLabel(this, QStringLiteral("Label5_%1").arg(i), Qt::AlignRight);
        frequencyLists_[i] = makeList(this, QStringLiteral("Combo3_%1").arg(i), frequencies);
        lengthLists_[i] = makeList(this, QStringLiteral("Combo4_%1").arg(i), lengths);
        connect(frequencyLists_[i], &QComboBox::textActivated, this,
                [this, step](const QString& text) { chooseFrequency(step, text); });
        connect(lengthLists_[i], &QComboBox::activated, this,
                [this, step](int index) { chooseLength(step, index); });
        steps->addWidget(stepLabels_[i], i + 3, 0);
        steps->addWidget(frequencyLists_[i], i + 3, 1);
        steps->addWidget(lengthLists_[i], i + 3, 2);
    }

    steps->setRowStretch(kToneStepCount + 3, 1);
    return steps;
}

QVBoxLayout* RogerBeepWindow::buildPictureAndButtons() {
    picture_ = new ToneSequencePicture(this);
    playButton_ = new QPushButton(this);
    playButton_->setObjectName(QStringLiteral("Command1"));
    stopButton_ = new QPushButton(this);
    stopButton_->setObjectName(QStringLiteral("Command2"));
    auto* close = new QPushButton(ctx_.captions.buttons.close.in(lang()), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    auto* help = new QPushButton(ctx_.captions.buttons.help.in(lang()), this);
    help->setObjectName(QStringLiteral("CommandHelp"));
    connect(playButton_, &QPushButton::clicked, this, &RogerBeepWindow::play);
    connect(stopButton_, &QPushButton::clicked, this, &RogerBeepWindow::stop);
    connect(close, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {playButton_, stopButton_, close, help})
        buttons->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(picture_, 1);
    right->addLayout(buttons);
    return right;
}

void RogerBeepWindow::applyCaptions() {
    const Language l = lang();
    setWindowTitle(C::window.in(l));
    for (int t = 1; t <= kToneSeqCount; ++t)
        tabs_->setTabText(t - 1, C::tab.in(l) + u' ' + QString::number(t));
    repeatLabel_->setText(C::repeatCount.in(l));
    interLabel_->setText(C::interTime.in(l));
    frequencyHeader_->setText(C::frequency.in(l));
    lengthHeader_->setText(C::length.in(l));
    for (int i = 0; i < kToneStepCount; ++i)
        stepLabels_[i]->setText(C::steps[std::size_t(i)].in(l));
    playButton_->setText(C::play.in(l));
    stopButton_->setText(C::stop.in(l));
}

void RogerBeepWindow::showSequence() {
    const ToneSeq& seq = sequence();
    repeatList_->setCurrentIndex(selectListIndex(repeatCountList(lang()), seq.repeatCount));
    interList_->setCurrentIndex(selectListIndex(interTimeList(), seq.interTime));
    for (int i = 0; i < kToneStepCount; ++i) {
        const ToneStep& step = seq.steps[std::size_t(i)];
        showStepFrequency(frequencyLists_[i], step.freqCode);
        lengthLists_[i]->setCurrentIndex(selectListIndex(stepLengthList(), step.durCode));
    }
    if (tabs_->currentIndex() != curTone_ - 1)
        tabs_->setCurrentIndex(curTone_ - 1);
    refreshPicture();
}

// A code without an entry (below 400 Hz) is shown as itself after the offered entries, and
// stays stored until another entry is chosen.
void RogerBeepWindow::showStepFrequency(QComboBox* list, int freqCode) {
    const StepFrequencyChoices choices = stepFrequencyChoices(freqCode, lang());
    while (list->count() > choices.entries.size())
        list->removeItem(list->count() - 1);
    if (list->count() < choices.entries.size())
        list->addItem(choices.entries.last());
    else if (list->itemText(list->count() - 1) != choices.entries.last())
        list->setItemText(list->count() - 1, choices.entries.last());
    list->setCurrentIndex(choices.shown);
}

void RogerBeepWindow::refreshPicture() {
    picture_->setSequence(sequence());
}

void RogerBeepWindow::chooseRepeatCount(int index) {
    if (!ctx_.model.setRogerRepeatCount(curTone_, index, editName(C::repeatEdit)))
        repeatList_->setCurrentIndex(
            selectListIndex(repeatCountList(lang()), sequence().repeatCount));
}

void RogerBeepWindow::chooseInterTime(int index) {
    ctx_.model.setRogerInterTime(curTone_, index, editName(C::interEdit));
}

void RogerBeepWindow::chooseFrequency(int step, const QString& text) {
    if (const std::optional<int> code = frequencyCodeOfText(text, lang()))
        ctx_.model.setRogerStepFrequency(curTone_, step, *code,
                                         editName(C::stepFrequencyEdit, step));
}

void RogerBeepWindow::chooseLength(int step, int index) {
    if (!ctx_.model.setRogerStepLength(curTone_, step, index, editName(C::stepLengthEdit, step)))
        lengthLists_[step - 1]->setCurrentIndex(
            selectListIndex(stepLengthList(), sequence().steps[std::size_t(step - 1)].durCode));
}

EditName RogerBeepWindow::editName(const LocalText& name, int step) const {
    const QString tone = QString::number(curTone_);
    return step > 0 ? formatted(name, tone, QString::number(step)) : formatted(name, tone);
}

void RogerBeepWindow::play() {
    const ToneSeq& seq = sequence();
    const QList<PlayStep> plan = playbackPlan(seq);
    if (!hasPlayableLength(seq) || plan.isEmpty() || !sink_.isAvailable())
        return;
    // The plan is taken now: the sequence started keeps playing when another tab is chosen or
    // a value is edited.
    playing_ = true;
    updatePlayButton();
    sink_.play(plan);
}

void RogerBeepWindow::stop() {
    if (playing_)
        sink_.stop();
    playing_ = false;
    updatePlayButton();
}

void RogerBeepWindow::updatePlayButton() {
    const bool available = sink_.isAvailable();
    playButton_->setEnabled(available && !playing_);
    playButton_->setToolTip(available ? QString() : C::noSoundDevice.in(lang()));
}

void RogerBeepWindow::closeEvent(QCloseEvent* event) {
    stop();
    event->accept();
}

} // namespace r5k27
