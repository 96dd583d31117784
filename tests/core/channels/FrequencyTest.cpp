#include "core/channels/Frequency.h"

#include "core/channels/BandLimits.h"
#include "core/channels/ChannelTable.h"
#include "core/document/ChannelCsv.h"
#include "core/image/MemoryImage.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

// Every 10 Hz step of both bands, as a user may type it, is read to the exact hertz (a double
// times 10^6 would make 28304999 of 28.305).
TEST(Frequency, EveryStepOfBothBandsTypedInAnyFormIsExact) {
    for (int mode : {0, 1}) {
        const BandLimits band = bandLimitsOf(mode);
        for (std::int64_t hz = limitHz(band.freqMin); hz <= limitHz(band.freqMax); hz += 10) {
            const QString six = Frequency::fromHz(hz).text6(); // "28.305000"
            QString trimmed = six;
            while (trimmed.endsWith(u'0'))
                trimmed.chop(1);
            for (const QString& typed : {six, trimmed, QStringLiteral(" ") + six + u' '}) {
                const auto parsed = Frequency::parse(typed);
                ASSERT_TRUE(parsed) << typed.toStdString();
                ASSERT_EQ(parsed->hz(), hz) << typed.toStdString();
            }
        }
    }
    EXPECT_EQ(Frequency::parse(u"28.3050")->hz(), 28'305'000);
    EXPECT_EQ(Frequency::parse(u"28.0000355")->hz(), 28'000'036); // below a hertz: rounded
    for (const char* bad : {"", ".", "abc", "28,5", "1e3", "28.5.1", "- 28"})
        EXPECT_FALSE(Frequency::parse(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(Frequency::parse(u"99999999999")->isWithin(bandLimitsOf(0)));
}

TEST(Frequency, StoredDigitsShownFormAndGrid) {
    EXPECT_EQ(Frequency::fromStored(u"280850  ")->hz(), 28'085'000);
    EXPECT_EQ(Frequency::fromStored(u"28085000")->text(), "28.0850");
    EXPECT_EQ(Frequency::fromStored(u"085")->text(), "8.5000");
    EXPECT_FALSE(Frequency::fromStored(u"FFFFFFFF"));
    EXPECT_FALSE(Frequency::fromStored(u"        "));
    EXPECT_FALSE(Frequency::fromStored(u"28A850"));
    EXPECT_EQ(Frequency::parse(u"8.5")->storedDigits(), "085000");
    EXPECT_EQ(Frequency::parse(u"28.30505")->storedDigitsExact(), "28305050");
    const BandLimits hf = bandLimitsOf(1);
    EXPECT_EQ(Frequency::parse(u"28.000035")->snapped(hf).hz(), 28'000'030);
    EXPECT_EQ(Frequency::parse(u"27.999995")->snapped(hf).hz(), 28'000'000);
    EXPECT_FALSE(Frequency::parse(u"29.6995")->isWithin(hf));
    EXPECT_TRUE(Frequency::parse(u"29.699")->isWithin(hf));
    EXPECT_EQ(Frequency::fromHz(-61'234'500).text6(), "-61.234500");
}

// A channel list gives the same exact hertz as typing does.
TEST(Frequency, ChannelListRowsKeepEveryStep) {
    QRandomGenerator rng(7);
    QByteArray csv = "WorkMode,Group,Channel,Frequency,Mode\n";
    QList<std::int64_t> sent;
    const BandLimits hf = bandLimitsOf(1);
    for (int ch = 1; ch <= 40; ++ch) {
        const std::int64_t hz =
            limitHz(hf.freqMin) + 10 * rng.bounded(int((limitHz(hf.freqMax) - 28'000'000) / 10));
        sent << hz;
        QString text = Frequency::fromHz(hz).text6();
        while (text.endsWith(u'0'))
            text.chop(1);
        csv += QStringLiteral("HF,A,%1,%2,FM\n").arg(ch).arg(text).toUtf8();
    }
    MemoryImage image;
    image.optFeat.modeEnable = {1, 1, 1, 1, 1};
    image.optFeat.groupValid(1, 1) = 1;
    ChTable table;
    ASSERT_EQ(channelsFromCsv(csv, image, table).taken, 40);
    for (int ch = 1; ch <= 40; ++ch) {
        const int slot = findChannel(image, table, {1, 1, ch});
        ASSERT_NE(slot, 0);
        EXPECT_EQ(Frequency::fromStored(table.at({1, 1, slot}).rxFreq.raw())->hz(), sent[ch - 1]);
    }
}

} // namespace
} // namespace r5k27
