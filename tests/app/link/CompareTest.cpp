#include "RadioHarness.h"
#include "link/CompareWindow.h"
#include "support/VirtualRadio.h"

#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Compare with Radio lists what was edited since the radio was written, changes nothing, and
// Take Radio's Values brings the radio's values back as one undo step.
TEST(CompareWithRadio, ListsTheEditsAndTakesTheRadioValuesAsOneStep) {
    test::RadioHarness h;
    const Document written = h.ctx.doc;
    test::SimRadioProcess sim(
        {"--image", h.dir.write("radio.img", test::RadioHarness::radioImageOf(written))});
    h.ctx.settings.comPortName = sim.device();
    const ChannelKey third{1, 1, h.ctx.doc.chTable.at({1, 1, 3}).chNo};
    const int mode = h.ctx.doc.chTable.at({1, 1, 3}).mode;
    ASSERT_TRUE(h.ctx.model.setChannelValue(third, ChannelField::Mode, mode == 2 ? 3 : 2,
                                            {"edit", "edit"}));
    ASSERT_TRUE(h.ctx.model.setDtmfCode(5, "55", {"edit", "edit"}, {}));
    const Document edited = h.ctx.doc;

    h.feature->compare().compareWithRadio();
    CompareWindow* window = nullptr;
    ASSERT_TRUE(test::RadioHarness::waitUntil(
        [&] { return (window = h.window->findChild<CompareWindow*>()) != nullptr; }));
    EXPECT_TRUE(h.prompter.texts().isEmpty()) << h.prompter.texts().join('|').toStdString();
    EXPECT_TRUE(h.ctx.doc.chTable == edited.chTable);
    QTableWidget* table = window->table();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 0)->text(), "DTMF 5");
    EXPECT_EQ(table->item(1, 1)->text(), "55");
    EXPECT_TRUE(table->item(0, 0)->text().endsWith(" Mode"))
        << table->item(0, 0)->text().toStdString();

    const int steps = h.window->history().undoCount();
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == "Take Radio's Values")
            button->click();
    EXPECT_TRUE(documentDifferences(h.ctx.doc.curImage, h.ctx.doc.chTable, written.curImage,
                                    written.chTable, Language::English)
                    .isEmpty());
    EXPECT_EQ(h.window->history().undoCount(), steps + 1);
    ASSERT_TRUE(h.window->history().undo());
    EXPECT_TRUE(h.ctx.doc.chTable == edited.chTable);
}

} // namespace
} // namespace r5k27
