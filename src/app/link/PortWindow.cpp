#include "PortWindow.h"

#include "common/ChooserLayout.h"
#include "common/PortChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace r5k27 {

PortWindow::PortWindow(AppSettings& settings, const CaptionTables& captions, QString settingsFile,
                       PortLister listPorts, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , settingsFile_(std::move(settingsFile))
    , listPorts_(std::move(listPorts))
    , combo_(new QComboBox(this)) {
    setObjectName(QStringLiteral("FrmComSet"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const Language lang = settings.language;
    setWindowTitle(captions.commPort.window.in(lang));

    combo_->setEditable(allowsTypedPath());
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("/dev/ttyUSB00")) + 40);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layOutChooser(*this, new QLabel(captions.commPort.com.in(lang), this), combo_, captions, lang);

    connect(combo_, &QComboBox::activated, this, [this] { typed_ = false; });
    if (QLineEdit* edit = combo_->lineEdit())
        connect(edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });

    const QString saved = settings.comPortName.isEmpty()
                              ? QStringLiteral("COM") + QString::number(settings.comPortNo)
                              : settings.comPortName;
    names_.clear();
    fillList(saved);
    // A typed device of an earlier run stays the choice even when the system does not list it.
    if (combo_->findData(saved) < 0 && allowsTypedPath() && !settings.comPortName.isEmpty()) {
        combo_->setEditText(saved);
        typed_ = true;
    }

    refreshTimer_.setObjectName(QStringLiteral("ReShowComPortTimer"));
    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &PortWindow::refresh);
    refreshTimer_.start();
}

bool PortWindow::allowsTypedPath() const {
#ifdef Q_OS_WIN
    return false;
#else
    return true;
#endif
}

QString PortWindow::currentPort() const {
    // A listed port shows its label; the port itself is the item's name.
    const QString shown = combo_->currentText();
    const int index = combo_->findText(shown);
    return index >= 0 ? combo_->itemData(index).toString() : shown.trimmed();
}

QStringList PortWindow::listedPorts() const {
    return names_;
}

void PortWindow::fillList(const QString& wanted) {
    QStringList names;
    QStringList labels;
    for (const SerialPortEntry& entry : listPorts_()) {
        names << entry.name;
        labels << portLabel(entry);
    }
    if (labels == labels_ && combo_->count() == labels.size())
        return; // nothing plugged in or out; an open drop-down stays open
    names_ = names;
    labels_ = labels;

    const QString typedText = combo_->currentText();
    const QSignalBlocker quiet(combo_);
    combo_->clear();
    for (qsizetype i = 0; i < names_.size(); ++i)
        combo_->addItem(labels_[i], names_[i]);
    if (typed_) {
        combo_->setEditText(typedText);
        return;
    }
    const int index = combo_->findData(wanted);
    combo_->setCurrentIndex(index >= 0 ? index : (names_.isEmpty() ? -1 : 0));
    if (names_.isEmpty() && combo_->isEditable())
        combo_->setEditText(QString());
}

void PortWindow::refresh() {
    fillList(currentPort());
}

void PortWindow::accept() {
    keepPortChoice(settings_, settingsFile_, currentPort());
    QDialog::accept();
}

void PortWindow::hideEvent(QHideEvent* event) {
    refreshTimer_.stop();
    QDialog::hideEvent(event);
}

} // namespace r5k27
