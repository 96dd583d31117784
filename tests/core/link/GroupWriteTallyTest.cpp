#include "core/link/GroupWriteTally.h"

#include <gtest/gtest.h>

using namespace r5k27;
using Next = GroupWriteTally::Next;

TEST(GroupWriteTally, ReplacementNeedsTwoSilentActionsThenThreeAnswers) {
    GroupWriteTally t;
    t.begin(2);
    EXPECT_TRUE(t.askOnTimeout());
    EXPECT_EQ(t.handshakeAnswered(), Next::IdentifyRadio);
    EXPECT_FALSE(t.askOnTimeout());
    ASSERT_TRUE(t.radioCompleted());
    EXPECT_TRUE(t.justFinished());

    // Still attached: answers are polled again, and one silent action is forgiven.
    EXPECT_EQ(t.handshakeAnswered(), Next::PollAgain);
    t.silentTimeout();
    EXPECT_EQ(t.goneCount(), 1);
    EXPECT_EQ(t.handshakeAnswered(), Next::PollAgain);
    EXPECT_EQ(t.goneCount(), 0);

    t.silentTimeout();
    t.silentTimeout();
    EXPECT_EQ(t.handshakeAnswered(), Next::PollAgain);
    EXPECT_EQ(t.confirmCount(), 1);
    EXPECT_EQ(t.handshakeAnswered(), Next::PollAgain);
    EXPECT_FALSE(t.justFinished());
    EXPECT_EQ(t.goneCount() + t.confirmCount(), 0);
    EXPECT_EQ(t.handshakeAnswered(), Next::IdentifyRadio);

    EXPECT_FALSE(t.radioCompleted()) << "two of two";
    EXPECT_EQ(t.radiosDone(), 2);
    t.end();
    EXPECT_FALSE(t.active());
    EXPECT_EQ(t.radiosDone(), 2) << "kept for the outcome";
}

TEST(GroupWriteTally, SilenceCountsOnlyAfterARadioAndSizeIsAtLeastOne) {
    GroupWriteTally t;
    t.begin(0);
    EXPECT_EQ(t.groupSize(), 1);
    t.silentTimeout();
    EXPECT_EQ(t.goneCount(), 0) << "no radio written yet";
    EXPECT_FALSE(t.radioCompleted());

    t.begin(3);
    EXPECT_EQ(t.radiosDone(), 0);
    ASSERT_TRUE(t.radioCompleted());
    // A transfer that starts over writes the radio attached now without waiting for a swap.
    t.restartTransfer();
    EXPECT_EQ(t.handshakeAnswered(), Next::IdentifyRadio);
    t.begin(3);
    t.stopAsking();
    EXPECT_FALSE(t.askOnTimeout());
}
