#include "link/PortWindow.h"

#include "RadioHarness.h"
#include "platform/ProfileFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class PortWindowTest : public ::testing::Test, protected test::RadioHarness {
protected:
    std::unique_ptr<PortWindow> open() {
        auto w = std::make_unique<PortWindow>(ctx.settings, ctx.captions, ctx.settingsFile,
                                              [this] { return ports; });
        w->show();
        return w;
    }
    QString saved(const char* key) const {
        return ProfileFile(ctx.settingsFile).read("language", key, "<none>");
    }
    static SerialPortEntry port(const QString& name) {
        return {name, "/dev/" + name, 0, {}, {}, {}};
    }
};

TEST_F(PortWindowTest, PluggedPortAppearsWithinASecondAndTheChoiceSurvives) {
    ports = {port("ttyS0"), port("ttyS1")};
    auto w = open();
    EXPECT_EQ(w->currentPort(), "ttyS0"); // the saved COM1 is not there: the first entry
    auto* combo = w->findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(1);

    ports.prepend(port("ttyUSB0"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->listedPorts().size() == 3; }, 1200));
    EXPECT_EQ(w->listedPorts(), QStringList({"ttyUSB0", "ttyS0", "ttyS1"}));
    EXPECT_EQ(w->currentPort(), "ttyS1");

    // The chosen port unplugged: the list falls back to its first entry.
    ports = {port("ttyUSB0")};
    w->refresh();
    EXPECT_EQ(w->currentPort(), "ttyUSB0");
    ports.clear();
    w->refresh();
    EXPECT_EQ(w->currentPort(), "");
    w->close();
    EXPECT_FALSE(w->refreshTimer().isActive());
}

TEST_F(PortWindowTest, OkKeepsTheChoiceInSettingsFileAndStatusBar) {
    ports = {port("COM3"), port("COM7")};
    ctx.settings.comPortNo = 7;
    QTimer::singleShot(0, [] {
        auto* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->findChild<QComboBox*>("Combo1")->currentText(), "COM7");
        w->findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
        w->findChild<QPushButton*>("cmdOK")->click();
    });
    window->findChild<QAction*>("CommSet")->trigger();
    EXPECT_EQ(ctx.settings.comPortNo, 3);
    EXPECT_EQ(ctx.settings.comPortName, "COM3");
    EXPECT_EQ(saved("comPort"), "3");
    EXPECT_EQ(saved("comPortName"), "COM3");
    EXPECT_EQ(window->findChild<QLabel*>("sbStatusBar_Panel3")->text(), "COM3");
}

TEST_F(PortWindowTest, CancelKeepsTheOldPort) {
    ports = {port("ttyS0"), port("ttyUSB0")};
    ctx.settings.comPortName = "ttyUSB0";
    auto w = open();
    EXPECT_EQ(w->currentPort(), "ttyUSB0");
    w->findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
    w->findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(ctx.settings.comPortName, "ttyUSB0");
    EXPECT_EQ(saved("comPortName"), "<none>");
}

#ifndef Q_OS_WIN
TEST_F(PortWindowTest, TypedDevicePathSurvivesRefreshesAndIsKept) {
    ports = {port("ttyS0")};
    ctx.settings.comPortNo = 4;
    auto w = open();
    QLineEdit* edit = w->findChild<QComboBox*>("Combo1")->lineEdit();
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, "/tmp/radio-cable");
    ports.append(port("ttyACM0"));
    w->refresh();
    EXPECT_EQ(w->currentPort(), "/tmp/radio-cable");
    w->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(ctx.settings.comPortName, "/tmp/radio-cable");
    EXPECT_EQ(ctx.settings.comPortNo, 4); // no port number in a device path
    EXPECT_EQ(saved("comPortName"), "/tmp/radio-cable");
    EXPECT_EQ(saved("comPort"), "<none>");
}
#endif

TEST_F(PortWindowTest, EntriesNameTheCableSoTwoCablesCanBeToldApart) {
    ports = {port("ttyS0"),
             {"ttyUSB0", "/dev/ttyUSB0", 0, "USB Serial", "WCH CH340", {}},
             {"ttyUSB1", "/dev/ttyUSB1", 1, "", "FTDI FT232R", {}},
             {"ttyACM0", "/dev/ttyACM0", 0, "Radio Cable", "", {}}};
    ctx.settings.comPortName = "ttyUSB1";
    auto w = open();
    auto* combo = w->findChild<QComboBox*>("Combo1");
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    EXPECT_EQ(shown, QStringList({"ttyS0", QStringLiteral("ttyUSB0 — USB Serial (WCH CH340)"),
                                  QStringLiteral("ttyUSB1 — FTDI FT232R"),
                                  QStringLiteral("ttyACM0 — Radio Cable")}));
    EXPECT_EQ(w->currentPort(), "ttyUSB1");

    // The same ports after the system learned more about one: the choice stays.
    ports[2].product = "FT232R USB UART";
    w->refresh();
    EXPECT_EQ(combo->currentText(), QStringLiteral("ttyUSB1 — FT232R USB UART (FTDI FT232R)"));
}

TEST_F(PortWindowTest, OkWithoutAnyPortClearsTheChoiceAndWritesNothing) {
    auto w = open();
    w->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(ctx.settings.comPortNo, 0);
    EXPECT_EQ(ctx.settings.comPortName, "");
    EXPECT_EQ(saved("comPort"), "<none>");
}

} // namespace
} // namespace r5k27
