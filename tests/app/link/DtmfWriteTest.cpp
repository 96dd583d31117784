#include "EditorWindows.h"
#include "RadioHarness.h"
#include "core/signalling/DtmfReferences.h"
#include "dtmf/DtmfWindow.h"
#include "support/VirtualRadio.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

class DtmfWriteTest : public ::testing::Test, protected test::RadioHarness {};

TEST_F(DtmfWriteTest, TypedCodeReachesTheRadio) {
    test::SimRadioProcess sim({"--save", dir.path("radio.img")});
    ctx.settings.comPortName = sim.device();
    registerDtmfWindow(ctx, *window);
    window->show();
    ASSERT_TRUE(window->showChild(ChildKind::Dtmf));
    auto* dtmf = qobject_cast<DtmfWindow*>(window->children().editor(ChildKind::Dtmf));
    ASSERT_NE(dtmf, nullptr);
    dtmf->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(2);
    auto* grid = dtmf->findChild<QTableWidget*>("MSFlexGrid1");
    auto* editor = dtmf->findChild<QLineEdit*>("Text3");
    auto clickCode = [&](int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 1)).center());
    };
    clickCode(6);
    QTest::keyClicks(editor, "0123456789abcd*#");
    clickCode(7);
    QTest::keyClicks(editor, "9#");
    editor->setText("9#*"); // still in the editor when Write is chosen

    radio().write();
    ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    EXPECT_EQ(prompter.texts().last(), "Write Data Completed.");

    QFile saved(dir.path("radio.img"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    Document fromRadio;
    ASSERT_TRUE(decodeImage(saved.readAll(), fromRadio.curImage, fromRadio.chTable));
    EXPECT_EQ(dtmfCodeText(fromRadio.curImage, 7), "0123456789ABCD*#");
    EXPECT_EQ(dtmfCodeText(fromRadio.curImage, 8), "9#*");
}

} // namespace
} // namespace r5k27
