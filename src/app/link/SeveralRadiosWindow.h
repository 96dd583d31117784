#pragma once

#include "platform/SerialPortList.h"
#include "radio/MultiPortWrite.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace r5k27 {

// Program › Write to Several Radios: the user ticks the ports with a radio attached and starts;
// each port then has its own row (port, radio, percentage, state) until the summary.
class SeveralRadiosWindow : public QDialog {
public:
    SeveralRadiosWindow(const AppSettings& settings, const VersionList& versions,
                        Prompter& prompter, Document doc, const QList<SerialPortEntry>& ports,
                        QWidget* parent = nullptr);

    // Ticks the port of that device (for a caller that knows its cables).
    void tick(const QString& device);
    void start();
    MultiPortWrite& write() { return write_; }
    QTableWidget* table() const { return table_; }

protected:
    void reject() override;

private:
    void showRow(int row);
    void showSummary();

    const AppSettings& settings_;
    Prompter& prompter_;
    Document doc_;
    MultiPortWrite write_;
    QLabel* choose_;
    QListWidget* ports_;
    QTableWidget* table_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* close_;
};

} // namespace r5k27
