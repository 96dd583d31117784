// Decoding a radio's 16 KiB memory into a document, as after a read: any bytes.
#include "FuzzInput.h"
#include "core/document/InitialValues.h"
#include "core/link/LinkTypes.h"
#include "core/link/MemoryMap.h"

#include <cstdlib>

using namespace r5k27;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Short inputs are padded with the empty memory a read starts from.
    QByteArray radioBuf = prepareRadioBuf();
    radioBuf.replace(0, qsizetype(std::min<std::size_t>(size, kRadioBufSize)),
                     QByteArray(reinterpret_cast<const char*>(data),
                                qsizetype(std::min<std::size_t>(size, kRadioBufSize))));
    Document doc;
    if (!decodeImage(radioBuf, doc.curImage, doc.chTable))
        std::abort();
    // What was decoded either encodes again or is refused with a reason; both must hold up.
    QByteArray again = prepareRadioBuf();
    if (const auto refusal = encodeImage(doc.curImage, doc.chTable, again))
        (void)refusal->message(Language::English);
    return 0;
}
