#include "LinkTransfer.h"

#include "LinkProgress.h"

#include <algorithm>

namespace r5k27 {

void LinkTransfer::begin(LinkOp op, const QByteArray& image) {
    image_ = image;
    image_.resize(kRadioBufSize, '\xFF');
    endAddr_ = op == LinkOp::Write ? kWriteEndAddr : kReadEndAddr;
    curAddr_ = (op == LinkOp::RadioInfo ? kRadioInfoFirstAddr : 0) - kBlockLen;
    lastPercent_ = 0;
}

void LinkTransfer::rewind() {
    curAddr_ = -kBlockLen;
    lastPercent_ = 0;
}

bool LinkTransfer::advance() {
    curAddr_ += kBlockLen;
    return curAddr_ < endAddr_;
}

void LinkTransfer::store(const QByteArray& frame) {
    if (curAddr_ < 0 || curAddr_ + kBlockLen > image_.size() || frame.size() < 4 + kBlockLen)
        return;
    std::copy_n(frame.constData() + 4, kBlockLen, image_.begin() + curAddr_);
}

std::optional<int> LinkTransfer::progressStep() {
    const int percent = linkPercent(curAddr_, endAddr_);
    if (percent - lastPercent_ < 1)
        return std::nullopt;
    lastPercent_ = percent;
    return percent;
}

} // namespace r5k27
