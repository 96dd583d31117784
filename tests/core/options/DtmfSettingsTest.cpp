#include "core/options/DtmfSettings.h"

#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(DtmfSettings, TypedTextKeepsOnlyDialableCharacters) {
    EXPECT_EQ(dtmfCodeFromTyped("12ab*#"), "12AB*#");
    // e and f are hex digits but no DTMF keys; neither are letters beyond ASCII.
    EXPECT_EQ(dtmfCodeFromTyped("eEfF x9 \t\u00e9\u4e2d-+D"), "9D");
    EXPECT_EQ(dtmfCodeFromTyped("0123456789ABCD*#0123"), "0123456789ABCD*#");
}

} // namespace
} // namespace r5k27
