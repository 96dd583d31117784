#include "SeveralRadiosWindow.h"

#include "core/common/AppSettings.h"
#include "core/document/DataFile.h"
#include "link/SeveralRadiosTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace r5k27 {

namespace T = SeveralRadiosTexts;

namespace {
enum Column { PortColumn, RadioColumn, ProgressColumn, StateColumn, ColumnCount };
}

SeveralRadiosWindow::SeveralRadiosWindow(const AppSettings& settings, const VersionList& versions,
                                         Prompter& prompter, Document doc,
                                         const QList<SerialPortEntry>& ports, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , prompter_(prompter)
    , doc_(std::move(doc))
    , write_(settings, versions, prompter)
    , choose_(
          new QLabel((ports.isEmpty() ? T::noPorts : T::choosePorts).in(settings.language), this))
    , ports_(new QListWidget(this))
    , table_(new QTableWidget(0, ColumnCount, this))
    , start_(new QPushButton(T::start.in(settings.language), this))
    , stop_(new QPushButton(T::stop.in(settings.language), this))
    , close_(new QPushButton(T::close.in(settings.language), this)) {
    const Language lang = settings.language;
    setWindowTitle(T::title.in(lang));
    setObjectName(QStringLiteral("frmSeveralRadios"));
    fillPortList(ports);
    table_->setHorizontalHeaderLabels({T::portColumn.in(lang), T::radioColumn.in(lang),
                                       T::progressColumn.in(lang), T::stateColumn.in(lang)});
    table_->horizontalHeader()->setSectionResizeMode(StateColumn, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->hide();
    stop_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {start_, stop_, close_}) {
        // Enter in the name field adds the port; it must not start or close.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choose_);
    layout->addWidget(ports_);
    layout->addWidget(buildPortByName());
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(start_, &QPushButton::clicked, this, &SeveralRadiosWindow::start);
    connect(stop_, &QPushButton::clicked, this, [this] { write_.stop(); });
    connect(close_, &QPushButton::clicked, this, &SeveralRadiosWindow::reject);
    write_.setVerify(settings.verifyAfterWriting);
    write_.setRowChanged([this](int row) { showRow(row); });
    // The last engine is still unwinding its end; the summary box waits for the next turn.
    write_.setAllDone([this] { QTimer::singleShot(0, this, &SeveralRadiosWindow::showSummary); });
}

QWidget* SeveralRadiosWindow::buildPortByName() {
    const Language lang = settings_.language;
    byName_ = new QWidget(this);
    portName_ = new QLineEdit(byName_);
    portName_->setObjectName(QStringLiteral("PortName"));
#ifdef Q_OS_WIN
    portName_->setPlaceholderText(QStringLiteral("COM3"));
#else
    portName_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
#endif
    auto* label = new QLabel(T::portByName.in(lang), byName_);
    label->setBuddy(portName_);
    auto* add = new QPushButton(T::addPort.in(lang), byName_);
    add->setObjectName(QStringLiteral("AddPort"));
    add->setAutoDefault(false);
    auto addTyped = [this] {
        addPort(portName_->text());
        portName_->clear();
    };
    connect(add, &QPushButton::clicked, this, addTyped);
    connect(portName_, &QLineEdit::returnPressed, this, addTyped);
    auto* row = new QHBoxLayout(byName_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(portName_, 1);
    row->addWidget(add);
    return byName_;
}

void SeveralRadiosWindow::fillPortList(const QList<SerialPortEntry>& ports) {
    const Language lang = settings_.language;
    for (const SerialPortEntry& entry : ports)
        listPort(portLabel(entry), entry.device);
    // The port of single reads and writes, which the system may not list.
    const QString configured = settings_.comPortName.trimmed();
    if (!configured.isEmpty() && listedPort(configured) < 0 &&
        !std::any_of(ports.begin(), ports.end(),
                     [&](const SerialPortEntry& e) { return e.name == configured; }))
        listPort(T::configuredPort.in(lang).arg(configured), configured);
    if (ports_->count() > 0)
        choose_->setText(T::choosePorts.in(lang));
}

void SeveralRadiosWindow::listPort(const QString& label, const QString& device) {
    auto* item = new QListWidgetItem(label, ports_);
    item->setData(Qt::UserRole, device);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

int SeveralRadiosWindow::listedPort(const QString& name) const {
    for (int i = 0; i < ports_->count(); ++i) {
        const QString device = ports_->item(i)->data(Qt::UserRole).toString();
        // A listed device may be asked for by its short name ("ttyUSB0" for "/dev/ttyUSB0").
        if (device == name || device.section(u'/', -1) == name)
            return i;
    }
    return -1;
}

void SeveralRadiosWindow::tick(const QString& device) {
    for (int i = 0; i < ports_->count(); ++i)
        if (ports_->item(i)->data(Qt::UserRole).toString() == device)
            ports_->item(i)->setCheckState(Qt::Checked);
}

void SeveralRadiosWindow::addPort(const QString& name) {
    const QString port = name.trimmed();
    if (port.isEmpty() || write_.isRunning())
        return;
    int row = listedPort(port);
    if (row < 0) {
        listPort(port, port);
        row = ports_->count() - 1;
    }
    ports_->item(row)->setCheckState(Qt::Checked);
    ports_->scrollToItem(ports_->item(row));
    choose_->setText(T::choosePorts.in(settings_.language));
}

void SeveralRadiosWindow::start() {
    QStringList devices;
    for (int i = 0; i < ports_->count(); ++i)
        if (ports_->item(i)->checkState() == Qt::Checked)
            devices << ports_->item(i)->data(Qt::UserRole).toString();
    if (devices.isEmpty() || write_.isRunning())
        return;
    choose_->hide();
    ports_->hide();
    byName_->hide();
    start_->hide();
    table_->show();
    stop_->show();
    close_->setEnabled(false);
    table_->setRowCount(int(devices.size()));
    for (int row = 0; row < devices.size(); ++row)
        for (int column = 0; column < ColumnCount; ++column)
            table_->setItem(row, column, new QTableWidgetItem);
    if (!write_.start(devices, doc_)) {
        prompter_.error(DataFileTexts::fileError.in(settings_.language));
        return;
    }
    for (int row = 0; row < devices.size(); ++row)
        showRow(row);
}

void SeveralRadiosWindow::reject() {
    // A radio half written would not start; the window stays until every port has ended.
    if (!write_.isRunning())
        QDialog::reject();
}

void SeveralRadiosWindow::showRow(int row) {
    if (row >= table_->rowCount() || row >= write_.rows().size())
        return;
    const PortRow& r = write_.rows()[row];
    const Language lang = settings_.language;
    QString radio = r.identity.model;
    if (!r.identity.firmware.isEmpty())
        radio += QStringLiteral(" ") + r.identity.firmware;
    QString state = portStateText(r.state, lang);
    if (!r.message.isEmpty() && r.state == PortState::Failed)
        state += QStringLiteral(": ") +
                 QString(r.message).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    table_->item(row, PortColumn)->setText(r.port);
    table_->item(row, RadioColumn)->setText(radio.trimmed());
    table_->item(row, ProgressColumn)->setText(QString::number(r.percent) + u'%');
    table_->item(row, StateColumn)->setText(state);
}

void SeveralRadiosWindow::showSummary() {
    stop_->hide();
    close_->setEnabled(true);
    const bool all = write_.writtenCount() == write_.rows().size();
    prompter_.ask(portOutcomeLines(write_, settings_.language).join(QStringLiteral("\r\n")),
                  Buttons::Ok, all ? Icon::Information : Icon::Warning);
}

} // namespace r5k27
