#include "ChannelRec.h"

#include "ChannelFields.h"

#include <QtEndian>

namespace r5k27 {

QByteArray serializeChannel(const ChannelRec& r) {
    QByteArray out(ChannelRec::kFileSize, '\0');
    for (const ChannelFieldInfo& row : channelFields()) {
        char* at = out.data() + row.file.offset;
        if (row.text)
            std::copy_n((r.*row.text).bytes().data(), row.file.size, at);
        else
            qToLittleEndian(r.*row.number, at);
    }
    return out;
}

bool deserializeChannel(const QByteArray& data, ChannelRec& r) {
    if (data.size() < ChannelRec::kFileSize)
        return false;
    for (const ChannelFieldInfo& row : channelFields()) {
        const char* at = data.constData() + row.file.offset;
        if (row.text)
            std::copy_n(at, row.file.size, (r.*row.text).bytes().begin());
        else
            r.*row.number = qFromLittleEndian<std::int16_t>(at);
    }
    return true;
}

} // namespace r5k27
