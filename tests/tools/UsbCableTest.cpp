#include "UsbCable.h"

#include <gtest/gtest.h>

using namespace r5k27::sim;
using namespace std::chrono_literals;

// A short reply waits out the latency timer; a packet's worth leaves at once.
TEST(UsbCable, HoldsShortRepliesUntilTheTimerAndFullPacketsNot) {
    UsbCable cable(16ms);
    const auto t0 = UsbCable::Clock::time_point{} + 1s;
    cable.put(QByteArray(22, 'a'), t0);
    EXPECT_TRUE(cable.take(t0 + 15ms).isEmpty());
    EXPECT_EQ(cable.release(), t0 + 16ms);
    EXPECT_EQ(cable.take(t0 + 16ms).size(), 22);
    EXPECT_FALSE(cable.release());

    cable.put(QByteArray(130, 'b'), t0 + 20ms);
    EXPECT_EQ(cable.take(t0 + 20ms).size(), 124);
    // The packet restarted the timer for the 6 bytes left.
    EXPECT_TRUE(cable.take(t0 + 35ms).isEmpty());
    EXPECT_EQ(cable.take(t0 + 36ms).size(), 6);
}
