#include "text/text.h"

#include <gtest/gtest.h>

#include "platform/portable_code_page.h"

namespace zentavo::text {
namespace {

TEST(Position, FindsFirstOccurrenceByBytes) {
    struct Case { std::string_view subject, pattern; std::size_t position; };
    for (const Case& c : std::initializer_list<Case>{
             {"xab", "ab", 2}, {"aa", "a", 1}, {"ab", "abc", 0}, {"ab", "B", 0},
             {"abc", "", 0}, {"", "", 0}, {"", "a", 0},
             {"\xBB\xAA\xCB\xB6", "\xAA\xCB", 2},  // may start inside a double-byte character
         })
        EXPECT_EQ(position(c.subject, c.pattern), c.position) << c.subject << " / " << c.pattern;
}

TEST(Position, BeginsWithContainsAndFoundPastStart) {
    EXPECT_TRUE(begins_with("Dell Inc.", "Dell"));
    EXPECT_FALSE(begins_with("Dell", ""));
    EXPECT_FALSE(begins_with("Del", "Dell"));
    EXPECT_TRUE(contains("ASUSTeK.Computer", "."));
    EXPECT_FALSE(contains("", ""));
    EXPECT_TRUE(found_past_start("Dell Inc.", " "));
    EXPECT_FALSE(found_past_start(" Dell", " "));
}

TEST(AsciiCasing, ChangesOnlyTheTwentySixLetters) {
    EXPECT_EQ(ascii_lower("\xC4\x42"), "\xC4\x62");  // ÄB -> Äb in code page 1252
    EXPECT_EQ(ascii_lower("\x81\x41"), "\x81\x61");  // second byte of a 936 character
    EXPECT_EQ(ascii_upper("intel(r) corp"), "INTEL(R) CORP");
    EXPECT_EQ(ascii_upper("\xE4@[`{"), "\xE4@[`{");
}

TEST(AsciiCasing, FoldedViewsCompareTheFoldedText) {
    const AsciiLowered lowered("ASUSTeK.Computer Corp");
    EXPECT_TRUE(lowered.begins_with("asustek"));
    EXPECT_TRUE(lowered.contains("k.computer"));
    EXPECT_EQ(lowered.position("computer"), 9u);
    EXPECT_FALSE(lowered.equals("asustek.computer corp "));
    EXPECT_TRUE(lowered.first(7).equals("asustek"));
    EXPECT_EQ(lowered.first(7).raw(), "ASUSTeK");
    EXPECT_TRUE(AsciiUppered("Intel(r)").begins_with("INTEL"));
    EXPECT_FALSE(AsciiUppered("x").contains(""));
}

TEST(DeleteRange, CutsClampsAndIgnoresOutOfRange) {
    struct Case { std::string_view text; long long start, count; std::string_view result; };
    for (const Case& c : std::initializer_list<Case>{
             {"abcd", 3, 5, "ab"}, {"abcd", 2, 2, "ad"}, {"abcd", 1, 4, ""}, {"abcd", 0, 2, "abcd"},
             {"abcd", 5, 1, "abcd"}, {"abcd", 2, 0, "abcd"}, {"abcd", 2, -1, "abcd"}, {"", 1, 1, ""},
         })
        EXPECT_EQ(delete_range(c.text, c.start, c.count).str(), c.result)
            << c.text << " at " << c.start << " count " << c.count;
}

TEST(Joined, PutsPiecesInOrderAndSkipsEmptyOnes) {
    const Joined joined{"a", "", "bc", "d"};
    EXPECT_EQ(joined.str(), "abcd");
    EXPECT_EQ(joined.size(), 4u);
}

class ReplaceFirst : public ::testing::Test {
protected:
    const PortableCodePage cp936{936}, cp1252{1252};
    std::string replace(std::string_view subject, std::string_view pattern, const CodePage& cp) const {
        return replace_first_ignoring_case(subject, pattern, "<R>", cp)->str();
    }
};

TEST_F(ReplaceFirst, ReplacesOnlyTheFirstOccurrenceIgnoringCase) {
    for (const CodePage* cp : {static_cast<const CodePage*>(&cp936), static_cast<const CodePage*>(&cp1252)}) {
        EXPECT_EQ(replace("Fujitsu Siemens Computers", "fujitsu siemens", *cp), "<R> Computers");
        EXPECT_EQ(replace("XFUJITSU SIEMENS", "fujitsu siemens", *cp), "X<R>");
        EXPECT_EQ(replace("ab-AB-ab", "ab", *cp), "<R>-AB-ab");
        EXPECT_EQ(replace("xAbx", "aB", *cp), "x<R>x");
        EXPECT_EQ(replace("subject", "", *cp), "subject");
        EXPECT_EQ(replace("", "x", *cp), "");
        EXPECT_EQ(replace("abc", "abcd", *cp), "abc");
    }
}

TEST_F(ReplaceFirst, SkipsOccurrencesStartingOnASecondByteInCodePage936) {
    // 81 41 is one character whose second byte is "A": the "A" after it is the first real one.
    EXPECT_EQ(replace("\x81\x41\x41", "a", cp936), "\x81\x41<R>");
    // A run of three lead bytes: the third pairs with "A"; after four, "A" stands alone.
    EXPECT_EQ(replace("\x81\x81\x81\x41", "a", cp936), "\x81\x81\x81\x41");
    EXPECT_EQ(replace("\x81\x81\x81\x81\x41", "a", cp936), "\x81\x81\x81\x81<R>");
    // Code page 1252 has no double-byte characters: every occurrence counts.
    EXPECT_EQ(replace("\x81\x41\x41", "a", cp1252), "\x81<R>\x41");
}

TEST_F(ReplaceFirst, UsesThePlatformUpperCasingAndKeepsTheSubjectsOwnBytes) {
    EXPECT_EQ(replace("caf\xE9 CAF\xC9", "CAF\xC9", cp1252), "<R> CAF\xC9");  // é/É
    EXPECT_EQ(replace("\xA3\xE1\xA3\xE2x", "\xA3\xC1\xA3\xC2", cp936), "<R>x");  // full-width ａｂ
}

}  // namespace
}  // namespace zentavo::text
