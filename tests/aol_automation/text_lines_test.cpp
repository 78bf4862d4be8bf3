#include "aol_automation/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vornik32 {
namespace {

struct LineCase {
  const char* name;
  std::string text;
  int count;
  std::vector<std::string> lines;  // lines 1 .. count
};

class LinesTest : public testing::TestWithParam<LineCase> {};

TEST_P(LinesTest, CountsAndCutsLines) {
  const LineCase& c = GetParam();
  EXPECT_EQ(LineCount(c.text), c.count);
  ASSERT_EQ(static_cast<int>(c.lines.size()), c.count);
  for (int k = 1; k <= c.count; ++k) {
    EXPECT_EQ(GetLine(c.text, k), c.lines[k - 1]) << "line " << k;
  }
  EXPECT_EQ(GetLine(c.text, 0), "");
  EXPECT_EQ(GetLine(c.text, -3), "");
  EXPECT_EQ(GetLine(c.text, c.count + 1), "") << "one beyond the count";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LinesTest,
    testing::Values(LineCase{"Empty", "", 0, {}}, LineCase{"OneLetter", "a", 1, {"a"}},
                    LineCase{"LetterWithLineEnd", "a\r\n", 1, {"a"}},
                    LineCase{"TwoLinesNoEndMark", "ab\rcd", 2, {"ab", "cd"}},
                    LineCase{"LoneLineEnd", "\r\n", 1, {""}},
                    LineCase{"LoneCarriageReturn", "\r", 1, {""}},
                    LineCase{"LineFeedsOnlyAreOneLine", "a\nb\nc", 1, {"abc"}},
                    // Line feeds alone do not end lines, but the text they hold is not lost either.
                    LineCase{"LineFeedsOnlyEndingInLineFeed", "a\nb\n", 1, {"ab"}},
                    LineCase{"LastLineEndedByALineFeed", "a\rb\n", 2, {"a", "b"}},
                    LineCase{"LineFeedsAfterTheLastReturn", "a\r\n\n", 1, {"a"}},
                    LineCase{"EmptyLineBetween", "a\r\rb", 3, {"a", "", "b"}},
                    LineCase{"StartsWithCarriageReturn", "\rx", 2, {"", "x"}},
                    LineCase{"TranscriptLines",
                             "\r\nJoe:\tHi\r\nAnn:\thello\r\n",
                             3,
                             {"", "Joe:\tHi", "Ann:\thello"}},
                    LineCase{"LineFeedBeforeCarriageReturn", "a\n\rb", 2, {"a", "b"}},
                    LineCase{"HighBytesPassThrough", "\x95 caf\xE9\r", 1, {"\x95 caf\xE9"}}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

struct ReplaceCase {
  const char* name;
  std::string text;
  std::string find;
  std::string replacement;
  std::string expected;
  int replacements;
};

class ReplaceTextTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, ChangesTheCallersTextAndYieldsOncePerReplacement) {
  const ReplaceCase& c = GetParam();
  std::string text = c.text;
  int yields = 0;
  const std::string result = ReplaceText(text, c.find, c.replacement, [&yields] { ++yields; });
  EXPECT_EQ(result, c.expected);
  EXPECT_EQ(text, c.expected);
  EXPECT_EQ(yields, c.replacements);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceTextTest,
    testing::Values(ReplaceCase{"ThreeParentheses", "(a(b(c", "(", "", "abc", 3},
                    ReplaceCase{"NotFound", "abc", "x", "", "abc", 0},
                    ReplaceCase{"CaseCounts", "aAa", "A", "", "aa", 1},
                    // Searching from the start again removes what a deletion brings together.
                    ReplaceCase{"DeletionJoinsNewMatch", "aabb", "ab", "", "", 2},
                    ReplaceCase{"ShorterReplacement", "x--y--z", "--", "-", "x-y-z", 2},
                    // A replacement holding the text to find would be found again forever.
                    ReplaceCase{"ReplacementHoldsFind", "a.b.", ".", "..", "a..b..", 2},
                    ReplaceCase{"EmptyFindChangesNothing", "abc", "", "x", "abc", 0}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

struct ScreenNameCase {
  const char* name;
  std::string text;
  bool valid;
  std::string afterwards;
};

class ScreenNameTest : public testing::TestWithParam<ScreenNameCase> {};

TEST_P(ScreenNameTest, JudgesAndStripsBlanks) {
  const ScreenNameCase& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(IsValidScreenName(text, [] {}), c.valid);
  EXPECT_EQ(text, c.afterwards);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScreenNameTest,
    testing::Values(
        ScreenNameCase{"ThreeLetters", "Joe", true, "Joe"},
        ScreenNameCase{"TwoLetters", "Jo", false, "Jo"},
        ScreenNameCase{"BlankInTheMiddleOfThree", "J e", false, "Je"},
        ScreenNameCase{"BlanksAreRemoved", "Mr Joe Smith", true, "MrJoeSmith"},
        ScreenNameCase{"SixteenCharacters", "abcdefghijklmnop", true, "abcdefghijklmnop"},
        ScreenNameCase{"SeventeenCharactersUntouched", "abcdefgh ijklmnop", false,
                       "abcdefgh ijklmnop"},
        ScreenNameCase{"SixteenWithBlanksCounted", "  ab  cd  ef  gh", true, "abcdefgh"},
        ScreenNameCase{"OnlyBlanks", "     ", false, ""}, ScreenNameCase{"Empty", "", false, ""}),
    [](const testing::TestParamInfo<ScreenNameCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vornik32
