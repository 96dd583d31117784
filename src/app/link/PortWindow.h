#pragma once

#include "common/CaptionTables.h"
#include "core/common/AppSettings.h"
#include "platform/SerialPortList.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class QComboBox;

namespace r5k27 {

// Picks the radio's serial port from a list that follows ports being plugged in and
// out; each entry names the cable's product and chip where known. Outside Windows a device path
// can also be typed.
class PortWindow : public QDialog {
    Q_OBJECT
public:
    using PortLister = std::function<QList<SerialPortEntry>()>;
    static constexpr int kRefreshMs = 1000;

    PortWindow(AppSettings& settings, const CaptionTables& captions, QString settingsFile,
               PortLister listPorts, QWidget* parent = nullptr);

    // The port the list shows; empty when there is none.
    QString currentPort() const;
    QStringList listedPorts() const;
    // One tick of ReShowComPortTimer.
    void refresh();
    const QTimer& refreshTimer() const { return refreshTimer_; }

    void accept() override;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void fillList(const QString& wanted);
    bool allowsTypedPath() const;

    AppSettings& settings_;
    QString settingsFile_;
    PortLister listPorts_;
    QComboBox* combo_;
    QTimer refreshTimer_;
    QStringList names_;
    QStringList labels_; // the names with what the system knows of each device
    // The user typed a device instead of picking one; a refresh leaves such text alone.
    bool typed_ = false;
};

} // namespace r5k27
