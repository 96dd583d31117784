// Ports the system does not list reach the several-radios window: the program's own port and a
// device typed by name, as the port window takes them.
#include "RadioHarness.h"
#include "link/SeveralRadiosWindow.h"
#include "support/VirtualRadio.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

constexpr int kWrittenBytes = 0x3F40;

QPushButton* buttonCalled(QWidget& window, const QString& text) {
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

TEST(SeveralRadiosPorts, TheProgramsPortAndATypedOneAreListedAndWritten) {
    test::RadioHarness h;
    test::SimRadioProcess typedRadio({"--save", h.dir.path("typed.img")});
    test::SimRadioProcess ownRadio({"--save", h.dir.path("own.img")});
    ASSERT_FALSE(typedRadio.device().isEmpty());
    h.ctx.settings.comPortName = ownRadio.device();
    SerialPortEntry listed;
    listed.name = "ttyS0";
    listed.device = "/dev/ttyS0";
    h.ports = {listed};
    h.prompter.answers = {Answer::Ok};

    std::unique_ptr<SeveralRadiosWindow> window(h.feature->severalRadios().open());
    ASSERT_TRUE(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* list = window->findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), ownRadio.device() + " (the program's port)");
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    list->item(1)->setCheckState(Qt::Checked);

    // Typed and taken with Enter, which neither starts nor closes the window; the same name
    // again, or a listed port's short name, adds no second entry.
    auto* name = window->findChild<QLineEdit*>("PortName");
    name->setFocus();
    QTest::keyClicks(name, typedRadio.device());
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), typedRadio.device());
    EXPECT_EQ(list->item(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(name->text().isEmpty());
    QTest::keyClicks(name, typedRadio.device());
    QTest::mouseClick(window->findChild<QPushButton*>("AddPort"), Qt::LeftButton);
    QTest::keyClicks(name, "ttyS0");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    list->item(0)->setCheckState(Qt::Unchecked);

    QTest::mouseClick(buttonCalled(*window, "Start"), Qt::LeftButton);
    ASSERT_TRUE(
        test::RadioHarness::waitUntil([&] { return !h.prompter.texts().isEmpty(); }, 120000));
    EXPECT_TRUE(h.prompter.texts().last().endsWith("2 of 2 radios written."))
        << h.prompter.texts().join('|').toStdString();
    const QByteArray sent = test::RadioHarness::radioImageOf(h.ctx.doc).left(kWrittenBytes);
    EXPECT_EQ(h.dir.read("typed.img").left(kWrittenBytes), sent);
    EXPECT_EQ(h.dir.read("own.img").left(kWrittenBytes), sent);
}

TEST(SeveralRadiosPorts, WithNoPortListedOneCanStillBeAdded) {
    test::RadioHarness h;
    h.ctx.settings.comPortName.clear();
    std::unique_ptr<SeveralRadiosWindow> window(h.feature->severalRadios().open());
    ASSERT_TRUE(window);
    auto* list = window->findChild<QListWidget*>();
    EXPECT_EQ(list->count(), 0);
    window->addPort("  /dev/ttyACM7 ");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toString(), "/dev/ttyACM7");
    window->addPort("   ");
    EXPECT_EQ(list->count(), 1);
}

} // namespace
} // namespace r5k27
