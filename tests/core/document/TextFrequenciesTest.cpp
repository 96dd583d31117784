// Stored frequencies that are text but no number: which channels hold one, and the question a
// write asks about them.
#include "core/document/TextFrequencies.h"

#include "core/document/InitialValues.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(TextFrequencies, OnlyTextThatIsNoNumberCounts) {
    ChannelRec rec;
    const QList<std::pair<QString, std::optional<QString>>> cases{
        {"283050", std::nullopt},
        {"28305000", std::nullopt},
        {"", std::nullopt},
        {"FFFFFFFF", std::nullopt},
        {"28A305", "28A305"},
        {"28.305", "28.305"},
        {" x ", "x"},
    };
    for (const auto& [stored, expected] : cases) {
        rec.rxFreq.assign(stored);
        EXPECT_EQ(textFrequencyOf(rec), expected) << stored.toStdString();
    }
}

// A write names every such channel (both work modes, memory channels apart from their group
// letter) and goes on only on Yes; without one it asks nothing.
TEST(TextFrequencies, AWriteNamesTheChannelsAndAsks) {
    Document doc;
    AppSettings settings;
    writeBuiltInDefaults(doc, settings, 0, QDate(2026, 1, 1));
    test::ScriptedPrompter prompter;
    EXPECT_TRUE(confirmTextFrequencies(doc.curImage, doc.chTable, prompter, Language::English));
    EXPECT_TRUE(prompter.shown.isEmpty());

    const auto spoil = [&](int mode, int group, int chNo) {
        addChannel(doc.curImage, doc.chTable, {mode, group, chNo}, QStringLiteral("28.5"));
        const int slot = findChannel(doc.curImage, doc.chTable, {mode, group, chNo});
        ASSERT_GT(slot, 0);
        doc.chTable.at({mode, group, slot}).rxFreq.assign(QStringLiteral("2B5"));
    };
    spoil(0, 2, 7);
    spoil(1, 1, 42);
    EXPECT_EQ(channelsWithTextFrequency(doc.curImage, doc.chTable),
              (QList<ChannelKey>{{0, 2, 7}, {1, 1, 42}}));
    prompter.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(confirmTextFrequencies(doc.curImage, doc.chTable, prompter, Language::English));
    EXPECT_TRUE(confirmTextFrequencies(doc.curImage, doc.chTable, prompter, Language::Chinese));
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[0].text,
              "These channels hold a stored frequency that is not a number: B7, HF A M2. The "
              "radio gets them without a frequency.\r\nWrite to the radio anyway?");
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(prompter.shown[1].text.startsWith("以下信道存储的频率不是数字：B7, HF A M2。"));
}

} // namespace
} // namespace r5k27
