#include "GroupWriteTally.h"

#include <algorithm>

namespace r5k27 {

void GroupWriteTally::begin(int groupSize) {
    *this = {};
    active_ = true;
    askOnTimeout_ = true;
    groupSize_ = std::max(1, groupSize);
}

void GroupWriteTally::end() {
    active_ = false;
    askOnTimeout_ = false;
    justFinished_ = false;
    goneCount_ = confirmCount_ = 0;
}

GroupWriteTally::Next GroupWriteTally::handshakeAnswered() {
    askOnTimeout_ = false;
    if (!justFinished_)
        return Next::IdentifyRadio;
    if (goneCount_ >= 2) {
        if (confirmCount_ < 1) {
            ++confirmCount_;
            return Next::PollAgain;
        }
        justFinished_ = false;
    }
    goneCount_ = confirmCount_ = 0;
    return Next::PollAgain;
}

void GroupWriteTally::silentTimeout() {
    if (justFinished_)
        ++goneCount_;
}

bool GroupWriteTally::radioCompleted() {
    ++radiosDone_;
    if (radiosDone_ >= groupSize_)
        return false;
    justFinished_ = true;
    goneCount_ = confirmCount_ = 0;
    return true;
}

} // namespace r5k27
