// EncodeImage + DecodeImage of a full document (46 channels in every group of both modes), each
// timed over many runs; prints median and p99. Target: encode + decode under 1 ms.
#include "BenchSupport.h"
#include "core/document/InitialValues.h"
#include "core/link/MemoryMap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace r5k27;
using bench::fillEveryGroup;
using bench::reportTimings;

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
    auto decode = [&] { return decodeImage(image, target->curImage, target->chTable).ok; };
    reportTimings("EncodeImage", 5000, encode);
    reportTimings("DecodeImage", 5000, decode);
    reportTimings("EncodeImage + DecodeImage", 5000, [&] { return encode() && decode(); });
    return 0;
}
