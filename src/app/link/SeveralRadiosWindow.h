#pragma once

#include "platform/SerialPortList.h"
#include "radio/MultiPortWrite.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace r5k27 {

// Program › Write to Several Radios: the user ticks the ports with a radio attached (those the
// system lists, the program's own port, any added by name) and starts; each port then has its
// own row (port, radio, percentage, state) until the summary.
class SeveralRadiosWindow : public QDialog {
public:
    SeveralRadiosWindow(const AppSettings& settings, const VersionList& versions,
                        Prompter& prompter, Document doc, const QList<SerialPortEntry>& ports,
                        QWidget* parent = nullptr);

    // Ticks the port of that device (for a caller that knows its cables).
    void tick(const QString& device);
    // A port by its name or device path, ticked; one already listed is ticked where it is.
    void addPort(const QString& name);
    void start();
    MultiPortWrite& write() { return write_; }
    QTableWidget* table() const { return table_; }

protected:
    void reject() override;

private:
    QWidget* buildPortByName();
    // The ports the system lists, then the program's own port where the system lacks it.
    void fillPortList(const QList<SerialPortEntry>& ports);
    void listPort(const QString& label, const QString& device);
    // The listed port of that name or device path; -1 when there is none.
    int listedPort(const QString& name) const;
    void showRow(int row);
    void showSummary();

    const AppSettings& settings_;
    Prompter& prompter_;
    Document doc_;
    MultiPortWrite write_;
    QLabel* choose_;
    QListWidget* ports_;
    QLineEdit* portName_ = nullptr;
    QWidget* byName_ = nullptr;
    QTableWidget* table_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* close_;
};

} // namespace r5k27
