#include "OptionsWindow.h"

#include "OptionTextField.h"
#include "common/CloseChildWindow.h"
#include "core/document/EditNames.h"
#include "core/options/ModeEnable.h"
#include "core/options/OptionCaptions.h"
#include "core/options/OptionText.h"
#include "options/LimitCaptions.h"
#include "startup/AppContext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace r5k27 {
namespace {

namespace T = OptionWindowText;
constexpr int kRssiGroup = 6;

QLabel* captionLabel(const QString& text, const QString& name, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// "Combo1_9" becomes "Label1_9": each caption is named after the field it belongs to.
QString labelNameFor(const char* fieldName) {
    static const std::pair<const char*, const char*> kLabelOf[] = {
        {"Combo1_", "Label1_"}, {"Text2_", "Label3_"}, {"Combo2_", "Label4_"}};
    const QString field = QString::fromLatin1(fieldName);
    for (const auto& [prefix, label] : kLabelOf) {
        if (field.startsWith(QLatin1String(prefix)))
            return QLatin1String(label) + field.mid(int(qstrlen(prefix)));
    }
    return QStringLiteral("Label_") + field;
}

} // namespace

OptionsWindow::OptionsWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent)
    , ctx_(ctx)
    , lang_(ctx.settings.language) {
    setObjectName(QStringLiteral("OptionsWindow"));
    setWindowTitle(textOf(T::window));
    build();
    reShowData();
    // After the field's own store: typing into it again later is a step of its own.
    for (OptionTextField* field : findChildren<OptionTextField*>())
        connect(field, &OptionTextField::leaving, this, [this] { ctx_.model.endEdit(); });

    connect(&ctx_.events, &DocumentEvents::changed, this, [this](const DocumentChange& change) {
        if (change.kind == DocumentChange::Kind::Whole)
            reShowData();
        if (change.dtmfReferences)
            showDtmf();
        if (change.rogerReferences)
            showRb();
    });
}

OptionsWindow::~OptionsWindow() {
    // The fields go after this object; a field losing the focus on its way out stores nothing.
    for (QObject* field : findChildren<OptionTextField*>())
        disconnect(field, nullptr, this, nullptr);
}

// --- building ---------------------------------------------------------------------------------

void OptionsWindow::build() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildLeftColumn(), 0, 0, Qt::AlignTop);
    grid->addWidget(buildMiddleColumn(), 0, 1, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(buildPublicFrame());
    right->addWidget(buildModeFrame());
    right->addStretch();
    grid->addLayout(right, 0, 2);
    grid->addWidget(buildButtons(), 1, 0, 1, 3);
}

void OptionsWindow::addList(QGridLayout* grid, const char* name, OptionId id,
                            const OptionControlText& text) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int row = grid->rowCount();
    grid->addWidget(captionLabel(textOf(text.caption), labelNameFor(name), box), row, 0,
                    Qt::AlignRight);
    grid->addWidget(box, row, 1);
    const std::size_t index = lists_.size();
    lists_.push_back({box, id, text});
    // activated: only the user's choices, never the window's own filling.
    connect(box, &QComboBox::activated, this, [this, index] { listChosen(lists_[index]); });
}

void OptionsWindow::addSwitch(QGridLayout* grid, int row, const char* name, OptionId id,
                              const OptionControlText& text, int mode) {
    auto* box = new QCheckBox(textOf(text.caption));
    box->setObjectName(QString::fromLatin1(name));
    grid->addWidget(box, row, 0, 1, 2);
    const std::size_t index = switches_.size();
    switches_.push_back({box, id, text, mode});
    connect(box, &QCheckBox::clicked, this,
            [this, index](bool on) { switchClicked(switches_[index], on); });
}

void OptionsWindow::explainLimits(OptionTextField* field, const QString& caption,
                                  const QString& limits) {
    field->setLimits(LimitCaptions::allowed.in(lang_).arg(limits),
                     caption + QStringLiteral(": ") +
                         LimitCaptions::changed.in(lang_).arg(QStringLiteral("%1"),
                                                              QStringLiteral("%2"), limits));
}

OptionTextField* OptionsWindow::addTextField(QGridLayout* grid, int row, const char* name,
                                             OptionId id, const OptionControlText& text) {
    auto* field = new OptionTextField(OptionTextField::Accepts::Decimal);
    field->setObjectName(QString::fromLatin1(name));
    const OptionInfo& info = optionInfo(id);
    const bool megahertz = info.form == OptionForm::TxOffset;
    const double unit = megahertz ? 10000.0 : 10.0;
    const int decimals = megahertz ? 4 : 1;
    explainLimits(field, textOf(text.change),
                  QStringLiteral("%1 - %2%3")
                      .arg(info.minValue / unit, 0, 'f', decimals)
                      .arg(info.maxValue / unit, 0, 'f', decimals)
                      .arg(megahertz ? QStringLiteral(" MHz") : QString()));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000.0000")));
    grid->addWidget(captionLabel(textOf(text.caption), labelNameFor(name), field), row, 0,
                    Qt::AlignRight);
    grid->addWidget(field, row, 1, Qt::AlignLeft);
    return field;
}

QWidget* OptionsWindow::buildLeftColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* grid = new QGridLayout;
    addList(grid, "Combo1_9", OptionId::Tot, T::tot);
    addList(grid, "Combo1_2", OptionId::TxDisplay, T::indic);
    addList(grid, "Combo1_3", OptionId::MicLevel, T::mic);
    addList(grid, "Combo1_24", OptionId::ExtSelect, T::asqLevel);
    addList(grid, "Combo1_8", OptionId::NoiseGate, T::noiseGate);
    addList(grid, "Combo1_17", OptionId::BacklightColor, T::color);
    addList(grid, "Combo1_10", OptionId::ScanMode, T::scm);
    addList(grid, "Combo1_11", OptionId::FinTone, T::finTone);
    addList(grid, "Combo1_23", OptionId::ExtSwitch, T::freqCh);

    const int row = grid->rowCount();
    txOffset_ = addTextField(grid, row, "Text4_12", OptionId::ExtFreq, T::txOffset);
    // The unit sits right of the field, inside the list column.
    auto* withUnit = new QHBoxLayout;
    withUnit->addWidget(txOffset_);
    withUnit->addWidget(new QLabel(textOf(T::megahertz)));
    withUnit->addStretch();
    grid->addLayout(withUnit, row, 1);
    connect(txOffset_, &OptionTextField::leaving, this, &OptionsWindow::storeTxOffset);
    layout->addLayout(grid);

    layout->addWidget(buildRssiFrame(T::fmAmRssi, 0));
    layout->addWidget(buildRssiFrame(T::usbLsbRssi, kRssiGroup));
    return column;
}

QGroupBox* OptionsWindow::buildRssiFrame(const LocalText& caption, int firstPoint) {
    auto* frame = new QGroupBox(textOf(caption));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < kRssiGroup; ++i) {
        const int k = firstPoint + i;
        auto* field = new OptionTextField(OptionTextField::Accepts::Digits);
        field->setObjectName(QStringLiteral("Text4_%1").arg(k));
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        field->setAlignment(Qt::AlignCenter);
        explainLimits(field, textOf(caption) + u' ' + QString::fromLatin1(T::rssiPoints[i]),
                      textOf(LimitCaptions::rssiPoint));
        grid->addWidget(new QLabel(QString::fromLatin1(T::rssiPoints[i])), 0, i, Qt::AlignHCenter);
        grid->addWidget(field, 1, i);
        rssi_[std::size_t(k)] = field;
        connect(field, &OptionTextField::leaving, this, [this, k] { storeRssiPoint(k); });
    }
    return frame;
}

QWidget* OptionsWindow::buildMiddleColumn() {
    auto* column = new QWidget;
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    addSwitch(grid, 0, "Check1_2", OptionId::BeepOn, T::beep);
    addSwitch(grid, 1, "Check1_3", OptionId::SwrProtect, T::swrProtect);
    swrMax_ = addTextField(grid, 2, "Text2_0", OptionId::SwrMax, T::swrMax);
    addSwitch(grid, 3, "Check1_4", OptionId::BattProtect, T::battProtect);
    battMin_ = addTextField(grid, 4, "Text2_1", OptionId::BattMin, T::battMin);
    battMax_ = addTextField(grid, 5, "Text2_2", OptionId::BattMax, T::battMax);
    connect(swrMax_, &OptionTextField::leaving, this, &OptionsWindow::storeSwrMax);
    connect(battMin_, &OptionTextField::leaving, this, &OptionsWindow::storeBattery);
    connect(battMax_, &OptionTextField::leaving, this, &OptionsWindow::storeBattery);
    return column;
}

QGroupBox* OptionsWindow::buildPublicFrame() {
    auto* frame = new QGroupBox(textOf(T::publicFrame));
    frame->setObjectName(QStringLiteral("FramePublic"));
    auto* grid = new QGridLayout(frame);
    for (const CaptionedOption& option : optionWindowFrames()[kPublicFrame].options)
        addList(grid, option.control, option.id, *option.text);
    return frame;
}

QGroupBox* OptionsWindow::buildModeFrame() {
    auto* frame = new QGroupBox(textOf(T::modeEnableFrame));
    frame->setObjectName(QStringLiteral("FrameModeEnable"));
    auto* grid = new QGridLayout(frame);
    int mode = 0;
    for (const CaptionedOption& option : optionWindowFrames()[kModeEnableFrame].options) {
        addSwitch(grid, mode, option.control, option.id, *option.text, mode);
        ++mode;
    }
    return frame;
}

QWidget* OptionsWindow::buildButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    auto* closeButton = new QPushButton(ctx_.captions.buttons.close.in(lang_));
    closeButton->setObjectName(QStringLiteral("CommandClose"));
    auto* help = new QPushButton(ctx_.captions.buttons.help.in(lang_));
    help->setObjectName(QStringLiteral("CommandHelp"));
    layout->addWidget(closeButton);
    layout->addWidget(help);
    connect(closeButton, &QPushButton::clicked, this, [this] { closeChildWindow(*this); });
    return row;
}

// --- showing ----------------------------------------------------------------------------------

void OptionsWindow::fillList(const ListControl& list) {
    const QSignalBlocker quiet(list.box);
    list.box->clear();
    list.box->addItems(optionChoices(ctx_.doc.curImage, list.id, lang_));
}

void OptionsWindow::showList(const ListControl& list) {
    const QSignalBlocker quiet(list.box);
    // A stored value without an entry shows the first entry and stays as it is.
    list.box->setCurrentIndex(list.box->findText(optionText(ctx_.doc.curImage, list.id, lang_)));
}

void OptionsWindow::showTextFields() {
    const MemoryImage& image = ctx_.doc.curImage;
    swrMax_->showStored(optionText(image, OptionId::SwrMax, lang_));
    battMin_->showStored(optionText(image, OptionId::BattMin, lang_));
    battMax_->showStored(optionText(image, OptionId::BattMax, lang_));
    txOffset_->showStored(optionText(image, OptionId::ExtFreq, lang_));
    for (std::size_t k = 0; k < rssi_.size(); ++k)
        rssi_[k]->showStored(rssiPointText(image, int(k)));
}

void OptionsWindow::reShowData() {
    loaded_ = false;
    for (const ListControl& list : lists_) {
        fillList(list);
        showList(list);
    }
    for (const SwitchControl& control : switches_) {
        const QSignalBlocker quiet(control.box);
        control.box->setChecked(optionTicked(ctx_.doc.curImage, control.id));
    }
    showTextFields();
    loaded_ = true;
}

void OptionsWindow::refill(OptionList kind) {
    for (const ListControl& list : lists_) {
        if (optionInfo(list.id).list == kind) {
            fillList(list);
            showList(list);
        }
    }
}

void OptionsWindow::showDtmf() {
    // The references were rechecked before this is called, so each list shows its stored code
    // or, when that code was emptied, OFF.
    refill(OptionList::DtmfRef);
}

void OptionsWindow::showRb() {
    refill(OptionList::RogerRef);
}

// --- storing ----------------------------------------------------------------------------------

void OptionsWindow::listChosen(const ListControl& list) {
    if (loaded_)
        ctx_.model.setOptionFromText(list.id, list.box->currentText(), lang_,
                                     editNameOf(list.text.change));
}

void OptionsWindow::switchClicked(const SwitchControl& control, bool on) {
    if (!loaded_)
        return;
    if (control.mode < 0) {
        ctx_.model.setOptionTicked(control.id, on, editNameOf(control.text.change));
        return;
    }
    if (!ctx_.model.setModeEnable(control.mode, on, editNameOf(control.text.change))) {
        // The last of FM, AM, USB and LSB stays on, silently.
        const QSignalBlocker quiet(control.box);
        control.box->setChecked(true);
        return;
    }
    refill(OptionList::PubMode);
}

void OptionsWindow::storeSwrMax() {
    if (loaded_)
        swrMax_->showStored(ctx_.model.setOptionFromText(OptionId::SwrMax, swrMax_->text(), lang_,
                                                         editNameOf(T::swrMax.change),
                                                         QStringLiteral("option-SwrMax")));
}

void OptionsWindow::storeBattery() {
    if (!loaded_)
        return;
    const BatteryTexts shown =
        ctx_.model.setBattery(battMin_->text(), battMax_->text(), editNameOf(T::battMin.change),
                              QStringLiteral("option-battery"));
    battMin_->showStored(shown.lower);
    battMax_->showStored(shown.upper);
}

void OptionsWindow::storeTxOffset() {
    if (loaded_)
        txOffset_->showStored(ctx_.model.setOptionFromText(OptionId::ExtFreq, txOffset_->text(),
                                                           lang_, editNameOf(T::txOffset.change),
                                                           QStringLiteral("option-ExtFreq")));
}

void OptionsWindow::storeRssiPoint(int k) {
    if (!loaded_)
        return;
    const bool fmAm = k < kRssiGroup;
    const LocalText& frame = fmAm ? T::fmAmRssi : T::usbLsbRssi;
    const QString point = QString::fromLatin1(T::rssiPoints[k % kRssiGroup]);
    OptionTextField* field = rssi_[std::size_t(k)];
    field->showStored(ctx_.model.setRssiPoint(k, field->text(),
                                              formatted(T::rssiChange, frame, point),
                                              QStringLiteral("option-rssi-%1").arg(k)));
}

void OptionsWindow::commitPendingEdits() {
    if (swrMax_->isPending())
        storeSwrMax();
    if (battMin_->isPending() || battMax_->isPending())
        storeBattery();
    if (txOffset_->isPending())
        storeTxOffset();
    for (std::size_t k = 0; k < rssi_.size(); ++k) {
        if (rssi_[k]->isPending())
            storeRssiPoint(int(k));
    }
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    // Closing from the title bar never takes the focus from the field being typed in.
    commitPendingEdits();
    QWidget::closeEvent(event);
}

} // namespace r5k27
