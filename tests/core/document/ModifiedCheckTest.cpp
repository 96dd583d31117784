#include "core/document/ModifiedCheck.h"

#include "DocumentSamples.h"
#include "core/channels/ChannelFields.h"

#include <functional>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// A document whose working pair equals its saved pair.
Document savedDocument(std::uint32_t seed) {
    QRandomGenerator rng(seed);
    Document doc = test::randomDocument(rng);
    doc.fileImage = doc.curImage;
    doc.fileChTable = doc.chTable;
    return doc;
}

// The first (mode, group) holding at least two channels.
std::pair<int, int> groupWithTwoChannels(const MemoryImage& image) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            if (image.chCount(mode, group) >= 2)
                return {mode, group};
    return {-1, -1};
}

struct Edit {
    const char* name;
    std::function<void(Document&)> apply;
};

TEST(IsModified, EditsOutsideTheComparedFieldsAreNoChange) {
    const std::vector<Edit> ignored = {
        {"TxFreq",
         [](Document& d) {
             d.chTable.at({0, 1, 1}).txFreq.assign("12345678");
         }},
        {"RogerTone",
         [](Document& d) {
             d.chTable.at({0, 1, 1}).rogerTone += 1;
         }},
        {"Spare1/2",
         [](Document& d) {
             d.chTable.at({1, 1, 1}).spare1 += 1;
             d.chTable.at({1, 1, 1}).spare2 += 1;
         }},
        {"WorkMode", [](Document& d) { d.curImage.workMode ^= 1; }},
        {"VerTag", [](Document& d) { d.curImage.verTag.assign("V999"); }},
        {"CurGroup", [](Document& d) { d.curImage.curGroup[1] += 1; }},
        {"GroupWorkCh(MEM)", [](Document& d) { d.curImage.groupWorkCh(0, 11) += 1; }},
        {"Rtix/Ttix",
         [](Document& d) {
             d.curImage.optFeat.receiveTrim += 1;
             d.curImage.optFeat.transmitTrim += 1;
         }},
        {"PubRogerTone", [](Document& d) { d.curImage.optFeat.pubRogerTone += 1; }},
        {"slot above the count",
         [](Document& d) {
             d.chTable.at({0, 1, d.curImage.chCount(0, 1) + 1}).mode += 1;
         }},
        {"group name padding",
         [](Document& d) {
             d.fileImage.optFeat.groupName(0, 2).assignBytes(QByteArray("AB\0\0", 4));
             d.curImage.optFeat.groupName(0, 2).assignBytes("AB  ");
         }},
        {"DTMF text after its NUL",
         [](Document& d) {
             d.fileImage.optFeat.dtmf(3).assignBytes(QByteArray("12\0xyz", 6));
             d.curImage.optFeat.dtmf(3).assignBytes(QByteArray("12\0abc", 6));
         }},
        {"two channels swapped",
         [](Document& d) {
             const auto [mode, group] = groupWithTwoChannels(d.curImage);
             std::swap(d.chTable.at({mode, group, 1}), d.chTable.at({mode, group, 2}));
         }},
    };
    for (const auto& edit : ignored) {
        Document doc = savedDocument(11);
        doc.curImage.chCount(0, 1) = 3; // room for the slot edit
        doc.fileImage.chCount(0, 1) = 3;
        ASSERT_FALSE(isModified(doc));
        edit.apply(doc);
        EXPECT_FALSE(isModified(doc)) << edit.name;
    }
}

TEST(IsModified, EveryComparedFieldCounts) {
    const std::vector<Edit> compared = {
        {"ChNo",
         [](Document& d) {
             d.chTable.at({0, 1, 1}).chNo = 99;
         }},
        {"ChFlag",
         [](Document& d) {
             d.chTable.at({0, 1, 1}).chFlag += 1;
         }},
        {"RxFreq",
         [](Document& d) {
             d.chTable.at({0, 1, 1}).rxFreq.assign("2801");
         }},
        {"EncodeTone",
         [](Document& d) {
             d.chTable.at({1, 10, 2}).encodeTone += 1;
         }},
        {"CallCode",
         [](Document& d) {
             d.chTable.at({1, 10, 2}).callCode += 1;
         }},
        {"ChCount", [](Document& d) { d.curImage.chCount(1, 10) -= 1; }},
        {"ModelCode bytes after NUL",
         [](Document& d) { d.curImage.radioInfo.modelCode.bytes()[6] ^= 1; }},
        {"MakeDate", [](Document& d) { d.curImage.radioInfo.makeDate.assign("20000101"); }},
        {"ModelLetter", [](Document& d) { d.curImage.radioInfo.modelLetter += 1; }},
        {"ModeFlag", [](Document& d) { d.curImage.radioInfo.modeFlag += 1; }},
        {"GroupName", [](Document& d) { d.curImage.optFeat.groupName(1, 10).assign("ZZZ"); }},
        {"GroupValid", [](Document& d) { d.curImage.optFeat.groupValid(1, 10) += 1; }},
        {"EmergencyCh second", [](Document& d) { d.curImage.optFeat.emergencyCh(1, 10, 1) += 1; }},
        {"DwCh second", [](Document& d) { d.curImage.optFeat.dwCh(0, 5, 1) += 1; }},
        {"WorkCh", [](Document& d) { d.curImage.optFeat.workCh(0, 5) += 1; }},
        {"MemCh", [](Document& d) { d.curImage.optFeat.memCh(1, 1) += 1; }},
        {"Opt328", [](Document& d) { d.curImage.optFeat.hiddenRadioSetting += 1; }},
        {"WorkGroup(1)", [](Document& d) { d.curImage.optFeat.workGroup[1] += 1; }},
        {"PubCallCode", [](Document& d) { d.curImage.optFeat.pubCallCode += 1; }},
        {"PubHiCut", [](Document& d) { d.curImage.optFeat.pubHiCut += 1; }},
        {"BeepOn", [](Document& d) { d.curImage.optFeat.beepOn += 1; }},
        {"ModeEnable(4)", [](Document& d) { d.curImage.optFeat.modeEnable[4] += 1; }},
        {"DtmfDisplay", [](Document& d) { d.curImage.optFeat.dtmfDisplay += 1; }},
        {"DTMF code 16", [](Document& d) { d.curImage.optFeat.dtmf(16).assign("#"); }},
        {"ExtFreq", [](Document& d) { d.curImage.extFreq += 1; }},
        {"ExtSelect", [](Document& d) { d.curImage.extSelect += 1; }},
        {"ExtTable(11)", [](Document& d) { d.curImage.extTable[11] += 1; }},
        {"tone 8 step 14", [](Document& d) { d.curImage.rbTone.tone(8).steps[13].durCode += 1; }},
        {"tone 1 repeat count", [](Document& d) { d.curImage.rbTone.tone(1).repeatCount += 1; }},
    };
    for (const auto& edit : compared) {
        Document doc = savedDocument(12);
        for (auto& count : doc.curImage.chCount)
            count = std::max<std::int16_t>(count, 2);
        doc.fileImage.chCount = doc.curImage.chCount;
        doc.fileChTable = doc.chTable;
        ASSERT_FALSE(isModified(doc));
        edit.apply(doc);
        EXPECT_TRUE(isModified(doc)) << edit.name;
    }
}

// Each channel field changed on its own counts exactly when its table row says it is compared.
TEST(IsModified, EachChannelFieldCountsAsItsRowSays) {
    for (const ChannelFieldInfo& field : channelFields()) {
        Document doc = savedDocument(13);
        doc.curImage.chCount(1, 4) = std::max<std::int16_t>(doc.curImage.chCount(1, 4), 1);
        doc.fileImage.chCount = doc.curImage.chCount;
        doc.fileChTable = doc.chTable;
        ChannelRec& rec = doc.chTable.at({1, 4, 1});
        if (field.text)
            (rec.*field.text)
                .assign((rec.*field.text).raw() == "29000000" ? "29100000" : "29000000");
        else
            rec.*field.number = std::int16_t(rec.*field.number + 1);
        EXPECT_EQ(isModified(doc), field.compared) << field.name;
    }
}

TEST(IsModified, ChannelsAreMatchedByNumberWithinTheirGroup) {
    Document doc = savedDocument(13);
    const auto [mode, group] = groupWithTwoChannels(doc.curImage);
    ASSERT_GE(mode, 0);
    // Slot 1 moved to the end of the group, the others moved up: still the same channels.
    const int used = doc.curImage.chCount(mode, group);
    const ChannelRec first = doc.chTable.at({mode, group, 1});
    for (int slot = 1; slot < used; ++slot)
        doc.chTable.at({mode, group, slot}) = doc.chTable.at({mode, group, slot + 1});
    doc.chTable.at({mode, group, used}) = first;
    EXPECT_FALSE(isModified(doc));
    // The same change on the moved record is found at its new slot.
    doc.chTable.at({mode, group, used}).hiCut += 1;
    EXPECT_TRUE(isModified(doc));
}

TEST(IsModified, NewDocumentStoredAsSavedIsUnmodifiedWhateverItsCounts) {
    Document doc; // all counts 0
    EXPECT_FALSE(isModified(doc));
    doc.curImage.chCount(0, 1) = 1;
    EXPECT_TRUE(isModified(doc));
    // Counts beyond the table never make the comparison read outside it.
    doc.curImage.chCount(0, 1) = 300;
    doc.fileImage.chCount(0, 1) = 300;
    EXPECT_FALSE(isModified(doc));
}

} // namespace
} // namespace r5k27
