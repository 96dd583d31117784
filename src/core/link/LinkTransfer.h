#pragma once

#include "LinkTypes.h"

#include <QByteArray>
#include <optional>

namespace r5k27 {

// Where a transfer stands: the memory image, the block in flight and the progress shown.
class LinkTransfer {
public:
    // The range of op and the image it starts from (a write's data; padded to 16384 bytes).
    void begin(LinkOp op, const QByteArray& image);
    // Back before the first block, progress 0.
    void rewind();
    // On to the next block; false once the range is done.
    bool advance();
    // Copies the data of a frame answering the block in flight into the image.
    void store(const QByteArray& frame);
    // The percentage to show for the block in flight, when it moved by a whole percent.
    std::optional<int> progressStep();

    int addr() const { return curAddr_; }
    int endAddr() const { return endAddr_; }
    int lastPercent() const { return lastPercent_; }
    QByteArray block() const { return image_.mid(curAddr_, kBlockLen); }
    const QByteArray& image() const { return image_; }

private:
    QByteArray image_ = QByteArray(kRadioBufSize, '\xFF');
    int curAddr_ = -kBlockLen;
    int endAddr_ = kReadEndAddr;
    int lastPercent_ = 0;
};

} // namespace r5k27
