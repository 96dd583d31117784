#include "DtmfReferences.h"

#include "core/channels/ChannelTable.h"
#include "core/common/DocumentEvents.h"
#include "core/image/MemoryImage.h"

namespace r5k27 {
namespace {

bool isCodeNumber(int n) {
    return n >= 1 && n <= kDtmfCodeCount;
}

void validate(MemoryImage& image, std::int16_t& ref) {
    ref = std::int16_t(validDtmfCode(image, ref));
}

} // namespace

QString dtmfCodeText(const MemoryImage& image, int n) {
    return isCodeNumber(n) ? image.optFeat.dtmf(n).clean() : QString();
}

void storeDtmfCode(MemoryImage& image, int n, const QString& text) {
    if (isCodeNumber(n))
        image.optFeat.dtmf(n).assignTerminated(cleanFixedText(text));
}

bool dtmfCodeUsed(MemoryImage& image, int n) {
    if (!isCodeNumber(n))
        return false;
    FixedText<16>& code = image.optFeat.dtmf(n);
    const QString text = code.clean();
    code.assign(text);
    return !text.isEmpty();
}

int validDtmfCode(MemoryImage& image, int n) {
    return n >= 1 && dtmfCodeUsed(image, n) ? n : 0;
}

void dropMissingDtmfCodes(const MemoryImage& image, ChannelRec& rec) {
    for (std::int16_t* ref : {&rec.botCode, &rec.eotCode, &rec.callCode})
        if (dtmfCodeText(image, *ref).isEmpty())
            *ref = 0;
}

void setDtmfList(MemoryImage& image, ChTable& table) {
    forEachUsedSlot(image, [&](const SlotKey& slot) {
        ChannelRec& rec = table.at(slot);
        validate(image, rec.botCode);
        validate(image, rec.eotCode);
        validate(image, rec.callCode);
    });
    validate(image, image.optFeat.pubBotCode);
    validate(image, image.optFeat.pubEotCode);
    validate(image, image.optFeat.pubCallCode);
}

} // namespace r5k27
