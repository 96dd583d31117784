// A fixed corpus of 1,000 seeded random documents, every option, group and channel field random
// within its range. For each document the encoded radio image, the saved data file pair and the
// data file pair of the image read back are hashed and compared with field_corpus.txt, which was
// generated once by the code before its field descriptions were gathered into tables. Any change
// of a byte anywhere (a swapped address, a wrong bit, a moved file offset) shows up here.
//
// To regenerate after an intended format change: R5K27_WRITE_FIELD_CORPUS=1 test_core_link
// --gtest_filter=FieldCorpus.*
#include "core/channels/BandLimits.h"
#include "core/document/ChannelFile.h"
#include "core/document/DataFileLayout.h"
#include "core/document/Document.h"
#include "core/link/MemoryMap.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>
#include <gtest/gtest.h>
#include <memory>

namespace r5k27 {
namespace {

constexpr int kDocuments = 1000;
constexpr quint32 kSeed = 20261207;
const char* const kKinds[] = {"image", "file", "read"};

class Pick {
public:
    explicit Pick(quint32 seed)
        : rng_(seed) {}
    std::int16_t operator()(int lo, int hi) { return std::int16_t(rng_.bounded(lo, hi + 1)); }
    QString text(int maxLength, const char* alphabet) {
        const int length = (*this)(0, maxLength);
        const int letters = int(qstrlen(alphabet));
        QString out;
        for (int i = 0; i < length; ++i)
            out += QChar::fromLatin1(alphabet[(*this)(0, letters - 1)]);
        return out;
    }
    // Receive and transmit frequencies in the forms the model stores, also none and unusable.
    QString frequency() {
        switch ((*this)(0, 5)) {
        case 0:
            return QStringLiteral("FFFFFFFF");
        case 1:
            return {};
        case 2:
            return QStringLiteral("%1").arg(rng_.bounded(256150, 301050 + 1));
        default:
            return QStringLiteral("%1%2")
                .arg(rng_.bounded(2561500, 3010500 + 1))
                .arg((*this)(0, 9));
        }
    }

private:
    QRandomGenerator rng_;
};

void randomOptions(Pick& pick, MemoryImage& image) {
    auto& of = image.optFeat;
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            of.groupValid(m, g) = pick(0, 1);
            of.groupName(m, g).assignTerminated(pick.text(4, "ABCDEFGHIJ0123 "));
            for (int k = 0; k < 2; ++k) {
                of.emergencyCh(m, g, k) = pick(0, 46);
                of.dwCh(m, g, k) = pick(0, 46);
            }
            of.workCh(m, g) = pick(0, 46);
            of.memCh(m, g) = pick(0, 6) == 0 ? 0 : pick(41, 46);
        }
        of.workGroup[std::size_t(m)] = pick(1, 10);
    }
    of.hiddenRadioSetting = pick(-1, 14);
    of.optWorkMode = pick(0, 1);
    of.voxFunction = pick(0, 1);
    of.channelMode = pick(0, 1);
    of.memMenu = pick(0, 1);
    of.pubBotCode = pick(0, 16);
    of.pubEotCode = pick(0, 16);
    of.pubCallCode = pick(0, 16);
    of.receiveTrim = pick(-1000, 1000);
    of.transmitTrim = pick(-1000, 1000);
    for (auto* sw : {&of.pubHiCut, &of.pubNbAnl, &of.pubEcho, &of.pubAdd10K, &of.pubBusy,
                     &of.beepOn, &of.swrProtect, &of.battProtect, &of.scanMode, &of.dtmfDisplay})
        *sw = pick(0, 1);
    of.pubRogerTone = pick(0, 8);
    of.txDisplay = pick(0, 3);
    of.micLevel = pick(1, 36);
    of.noiseGate = pick(0, 32);
    of.tot = pick(0, 60);
    of.finTone = pick(0, 3);
    of.backlightColor = pick(0, 6);
    of.menuPage = pick(1, 9);
    of.battMin = pick(90, 170);
    of.battMax = pick(90, 170);
    of.swrMax = pick(12, 200);
    of.pubMode = pick(0, 4);
    for (auto& enable : of.modeEnable)
        enable = pick(0, 1);
    of.dtmfSendTime = pick(1, 50);
    of.firstDigitTime = pick(0, 10);
    of.firstDigitDelay = pick(1, 25);
    of.starHashTime = pick(0, 10);
    of.dCodeAssign = pick(0, 16);
    for (auto& code : of.dtmfCodes)
        code.assignTerminated(pick.text(16, "0123456789ABCD#*"));
    image.extFreq = pick(1, 32767) + pick(0, 17232);
    image.extSwitch = pick(0, 1);
    image.extSelect = pick(1, 9);
    for (auto& point : image.extTable)
        point = pick(0, 35);
}

void randomHeaderAndTones(Pick& pick, MemoryImage& image) {
    image.verTag.assign(QStringLiteral("V200"));
    image.workMode = pick(0, 1);
    image.curGroup = {pick(1, 11), pick(1, 11)};
    for (auto& ch : image.groupWorkCh)
        ch = pick(1, 46);
    RadioInfoRec& info = image.radioInfo;
    info.modelCode.assignTerminated(pick.text(6, "ZT0123456789"));
    info.modelNo = pick(0, 255);
    info.modeFlag = pick(0, 1);
    info.makeDate.assign(pick.text(8, "0123456789"));
    info.softVer.assign(pick.text(5, "V0123.9"));
    info.modelCode2.assignTerminated(pick.text(5, "ZT0123456789"));
    info.modeFlag2 = pick(0, 1);
    info.modelLetter = pick(65, 90);
    for (auto& seq : image.rbTone.seqs) {
        for (auto& step : seq.steps)
            step = {pick(0, 255), pick(0, 255)};
        seq.repeatCount = pick(0, 255);
        seq.interTime = pick(0, 255);
    }
}

void randomChannels(Pick& pick, MemoryImage& image, ChTable& table) {
    for (int m = 0; m < kModeCount; ++m) {
        for (int g = 1; g <= kGroupCount; ++g) {
            std::array<std::int16_t, kSlotCount> numbers;
            for (int i = 0; i < kSlotCount; ++i)
                numbers[std::size_t(i)] = std::int16_t(i + 1);
            for (int i = kSlotCount - 1; i > 0; --i) // seeded shuffle, the same on every platform
                std::swap(numbers[std::size_t(i)], numbers[std::size_t(pick(0, i))]);
            const int count = pick(0, kSlotCount);
            image.chCount(m, g) = std::int16_t(count);
            for (int slot = 1; slot <= count; ++slot) {
                ChannelRec& r = table.at({m, g, slot});
                r.chNo = numbers[std::size_t(slot - 1)];
                r.chFlag = pick(0, 1);
                r.scanAdd = pick(0, 1);
                r.rxFreq.assign(pick.frequency());
                r.txFreq.assign(pick.frequency());
                r.spare1 = pick(-32768, 32767);
                r.spare2 = pick(-32768, 32767);
                r.decodeTone = pick(0, 142);
                r.encodeTone = pick(0, 142);
                r.mode = pick(0, 4);
                for (auto* sw : {&r.hiCut, &r.nbAnl, &r.echo, &r.add10K, &r.busyLock, &r.publicCh})
                    *sw = pick(0, 1);
                r.rogerTone = pick(0, 8);
                r.repShift = pick(0, 2);
                r.botCode = pick(0, 16);
                r.eotCode = pick(0, 16);
                r.callCode = pick(0, 16);
            }
        }
    }
}

QByteArray sha256(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

// The three outputs of one document, each as a SHA-256 in hex.
std::array<QByteArray, 3> documentDigests(quint32 seed) {
    Pick pick(seed);
    auto doc = std::make_unique<Document>();
    randomHeaderAndTones(pick, doc->curImage);
    randomOptions(pick, doc->curImage);
    randomChannels(pick, doc->curImage, doc->chTable);

    QByteArray radio = prepareRadioBuf();
    const auto refusal = encodeImage(doc->curImage, doc->chTable, radio);
    EXPECT_FALSE(refusal.has_value())
        << seed << ": " << refusal->message(Language::English).toStdString();
    const QByteArray saved =
        serializeImage(doc->curImage) + serializeChannelFile(doc->curImage, doc->chTable);

    auto read = std::make_unique<Document>();
    EXPECT_TRUE(decodeImage(radio, read->curImage, read->chTable));
    const QByteArray readBack = serializeImage(read->curImage) +
                                serializeChannelFile(read->curImage, read->chTable) +
                                bandTextOfWorkMode(read->curImage.workMode).toUtf8();
    return {sha256(radio), sha256(saved), sha256(readBack)};
}

QString corpusPath() {
    return QStringLiteral(R5K27_FIELD_CORPUS);
}

TEST(FieldCorpus, EveryImageAndFileIsByteIdenticalToTheRecordedCorpus) {
    QStringList lines;
    std::array<QCryptographicHash, 3> totals{QCryptographicHash(QCryptographicHash::Sha256),
                                             QCryptographicHash(QCryptographicHash::Sha256),
                                             QCryptographicHash(QCryptographicHash::Sha256)};
    for (int n = 0; n < kDocuments; ++n) {
        const auto digests = documentDigests(kSeed + quint32(n));
        QString line = QString::number(n);
        for (std::size_t k = 0; k < digests.size(); ++k) {
            totals[k].addData(digests[k]);
            line += u' ' + QString::fromLatin1(digests[k].left(16));
        }
        lines << line;
    }
    QStringList expected;
    for (std::size_t k = 0; k < totals.size(); ++k)
        expected << QStringLiteral("total %1 %2")
                        .arg(QLatin1String(kKinds[k]),
                             QString::fromLatin1(totals[k].result().toHex()));
    expected += lines;

    if (qEnvironmentVariableIsSet("R5K27_WRITE_FIELD_CORPUS")) {
        QFile out(corpusPath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QTextStream(&out) << expected.join(u'\n') << u'\n';
        GTEST_SKIP() << "corpus written to " << corpusPath().toStdString();
    }
    QFile in(corpusPath());
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << corpusPath().toStdString();
    const QStringList recorded = QString::fromLatin1(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(recorded.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        ASSERT_EQ(expected[i], recorded[i]) << "kinds per line: image, file, read";
}

} // namespace
} // namespace r5k27
