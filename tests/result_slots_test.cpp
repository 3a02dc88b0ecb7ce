#include "export/result_slots.h"

#include <gtest/gtest.h>

#include <string>

namespace zentavo {
namespace {

TEST(ResultSlots, StoresTheJoinedTextNulEnded) {
    ResultSlots slots;
    const char* stored = slots.store(text::Joined{"华硕", " ", "Computer"}, "input");
    ASSERT_NE(stored, nullptr);
    EXPECT_STREQ(stored, "华硕 Computer");
}

TEST(ResultSlots, PreviousResultPassedBackInStaysReadable) {
    ResultSlots slots;
    const char* first = slots.store(text::Joined{"Dell Inc."}, "");
    const std::string_view input(first);
    const char* second = slots.store(text::Joined{"Dell", " ", input.substr(5)}, input);
    EXPECT_STREQ(second, "Dell Inc.");
    EXPECT_NE(second, first);
    const char* third = slots.store(text::Joined{"x", std::string_view(second)}, second);
    EXPECT_STREQ(third, "xDell Inc.");
}

TEST(ResultSlots, LargeResultIsGivenBackWhenSmallOnesFollow) {
    ResultSlots slots;
    const std::string large(8 << 20, 'x');
    ASSERT_NE(slots.store(text::Joined{large}, ""), nullptr);
    EXPECT_GE(slots.capacity(), large.size());
    ASSERT_NE(slots.store(text::Joined{"small"}, ""), nullptr);
    EXPECT_LT(slots.capacity(), 64u * 1024 * 2 + 1);
}

TEST(ResultSlots, CapacityDoesNotGrowWithTheNumberOfCalls) {
    ResultSlots slots;
    std::string input = "first";
    for (int i = 0; i < 100000; ++i) {
        const std::string text = "Vendor " + std::to_string(i);
        const char* stored = slots.store(text::Joined{text}, input);
        ASSERT_STREQ(stored, text.c_str());
        input = stored;
    }
    EXPECT_LE(slots.capacity(), 512u);
}

}  // namespace
}  // namespace zentavo
