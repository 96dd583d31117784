// Importing a channel list, as File > Import Channels does: any bytes as the file's content.
#include "core/document/ChannelCsv.h"
#include "core/document/InitialValues.h"

#include <QDate>
#include <cstdlib>

using namespace r5k27;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Document start = [] {
        Document doc;
        AppSettings settings;
        writeBuiltInDefaults(doc, settings, 1, QDate(2024, 5, 1));
        return doc;
    }();
    Document doc = start;
    const QByteArray csv(reinterpret_cast<const char*>(data), qsizetype(size));
    const CsvImportResult result = channelsFromCsv(csv, doc.curImage, doc.chTable);
    // Nothing taken must mean nothing changed; whatever was taken exports again.
    if (result.taken == 0 &&
        channelsToCsv(doc.curImage, doc.chTable) != channelsToCsv(start.curImage, start.chTable))
        std::abort();
    (void)channelsToCsv(doc.curImage, doc.chTable);
    return 0;
}
