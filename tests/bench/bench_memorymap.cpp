// EncodeImage + DecodeImage of a full document (46 channels in every group of both modes), each
// timed over many runs; prints median and p99. Target: encode + decode under 1 ms.
#include "channels/ChannelTable.h"
#include "image/InitialValues.h"
#include "link/MemoryMap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace r5k27;

namespace {

void fillEveryGroup(Document& doc) {
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            for (int chNo = 2; chNo <= kOrdinaryChannels; ++chNo)
                addChannel(doc.curImage, doc.chTable, chNo, mode, group,
                           QStringLiteral("28.%1").arg(chNo * 10, 4, 10, QChar(u'0')));
}

void report(const char* name, int runs, const std::function<bool()>& op) {
    std::vector<double> micros;
    micros.reserve(std::size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const bool ok = op();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
        if (!ok) {
            std::printf("%s: failed at run %d\n", name, i);
            return;
        }
    }
    std::sort(micros.begin(), micros.end());
    const double median = micros[micros.size() / 2];
    const double p99 = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    std::printf("%-28s runs %6d  median %9.1f us  p99 %9.1f us\n", name, runs, median, p99);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    auto doc = std::make_unique<Document>();
    AppSettings settings;
    writeBuiltInDefaults(*doc, settings, 1, QDate(2026, 1, 1));
    fillEveryGroup(*doc);
    auto target = std::make_unique<Document>(*doc);

    QByteArray image = prepareRadioBuf();
    if (encodeImage(doc->curImage, doc->chTable, image)) {
        std::printf("the full document does not fit the radio\n");
        return 1;
    }
    int channels = 0;
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group)
            channels += doc->curImage.chCount(mode, group);
    std::printf("document: %d channel records\n", channels);

    auto encode = [&] {
        image = prepareRadioBuf();
        return !encodeImage(doc->curImage, doc->chTable, image).has_value();
    };
    auto decode = [&] { return decodeImage(image, target->curImage, target->chTable, settings); };
    report("EncodeImage", 5000, encode);
    report("DecodeImage", 5000, decode);
    report("EncodeImage + DecodeImage", 5000, [&] { return encode() && decode(); });
    return 0;
}
