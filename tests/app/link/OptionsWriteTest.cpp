#include "EditorWindows.h"
#include "RadioHarness.h"
#include "app/options/OptionsWindowDriver.h"
#include "core/options/OptionText.h"
#include "core/signalling/DtmfReferences.h"
#include "support/VirtualRadio.h"

#include <QFile>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Every value the options window shows.
constexpr OptionId kShown[] = {
    OptionId::Tot,        OptionId::TxDisplay,      OptionId::MicLevel,    OptionId::ExtSelect,
    OptionId::NoiseGate,  OptionId::BacklightColor, OptionId::ScanMode,    OptionId::FinTone,
    OptionId::ExtSwitch,  OptionId::ExtFreq,        OptionId::BeepOn,      OptionId::SwrProtect,
    OptionId::SwrMax,     OptionId::BattProtect,    OptionId::BattMin,     OptionId::BattMax,
    OptionId::PubBotCode, OptionId::PubEotCode,     OptionId::PubCallCode, OptionId::PubHiCut,
    OptionId::PubNbAnl,   OptionId::PubEcho,        OptionId::PubAdd10K,   OptionId::PubRogerTone,
    OptionId::PubMode,    OptionId::FmEnable,       OptionId::AmEnable,    OptionId::UsbEnable,
    OptionId::LsbEnable,  OptionId::PaEnable};

class OptionsWriteTest : public ::testing::Test,
                         protected test::RadioHarness,
                         protected test::OptionsWindowDriver {};

TEST_F(OptionsWriteTest, EveryControlChangeReachesTheRadio) {
    MemoryImage& image = ctx.doc.curImage;
    for (int n = 1; n <= 3; ++n)
        storeDtmfCode(image, n, QStringLiteral("1%1").arg(n));
    image.optFeat.modeEnable[0] = 0; // so every mode switch can change once
    registerOptionsWindow(ctx, *window);
    QMdiSubWindow* sub = window->children().show(ChildKind::Options);
    ASSERT_NE(sub, nullptr);
    options = sub->findChild<OptionsWindow*>();
    ASSERT_NE(options, nullptr);
    const MemoryImage before = image;

    const auto lists = options->findChildren<QComboBox*>();
    const auto switches = options->findChildren<QCheckBox*>();
    for (QComboBox* box : lists)
        choose(box, (box->currentIndex() + 1) % box->count());
    for (QCheckBox* box : switches)
        box->click();
    typeOver(field("Text2_0"), "5.5");
    typeOver(field("Text2_1"), "10.5");
    typeOver(field("Text2_2"), "15");
    typeOver(field("Text4_12"), "1.2345");
    // Each RSSI point one step up, the last of each frame one down: both halves stay increasing.
    for (int k = 0; k < 12; ++k) {
        const int shown = rssiPointText(image, k).toInt();
        typeOver(field(QStringLiteral("Text4_%1").arg(k).toLatin1()),
                 QString::number(k % 6 == 5 ? shown - 1 : shown + 1));
    }

    // Nothing typed was left: the write itself stores the fields.
    test::SimRadioProcess sim({"--save", dir.path("radio.img")});
    ctx.settings.comPortName = sim.device();
    radio().write();
    ASSERT_TRUE(waitUntil([&] { return !radio().isBusy(); }));
    EXPECT_EQ(prompter.texts().last(), "Write Data Completed.");

    QFile saved(dir.path("radio.img"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    MemoryImage radioImage;
    ChTable radioTable;
    ASSERT_TRUE(decodeImage(saved.readAll(), radioImage, radioTable));
    for (const OptionId id : kShown) {
        const char* name = optionInfo(id).name;
        EXPECT_NE(optionValue(image, id), optionValue(before, id)) << name;
        EXPECT_EQ(optionValue(radioImage, id), optionValue(image, id)) << name;
    }
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_NE(image.extTable[k], before.extTable[k]) << k;
    EXPECT_EQ(radioImage.extTable, image.extTable);
    EXPECT_EQ(image.optFeat.swrMax, 55);
    EXPECT_EQ(image.optFeat.battMin, 105);
    EXPECT_EQ(image.extFreq, 12345);
}

} // namespace
} // namespace r5k27
