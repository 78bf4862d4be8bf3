#include "aol_automation/text_case.h"

#include <gtest/gtest.h>

namespace vornik32 {
namespace {

TEST(TextCaseTest, FoldsTheCapitalsOfTheClientsCharacterSet) {
  struct Case {
    char capital;
    char small;
  };
  const Case cases[] = {
      {'A', 'a'},       {'Z', 'z'},       {'\xC0', '\xE0'}, {'\xC9', '\xE9'}, {'\xDE', '\xFE'},
      {'\x8A', '\x9A'}, {'\x8C', '\x9C'}, {'\x8E', '\x9E'}, {'\x9F', '\xFF'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LowerCase(c.capital), c.small)
        << static_cast<int>(static_cast<unsigned char>(c.capital));
  }
}

TEST(TextCaseTest, LeavesEverythingElseAlone) {
  for (const char c : {'a', '0', ' ', '@', '[', '\x95', '\xD7', '\xDF', '\xE9', '\xFF', '\0'}) {
    EXPECT_EQ(LowerCase(c), c) << static_cast<int>(static_cast<unsigned char>(c));
  }
}

TEST(TextCaseTest, ComparesWholeTextsWithoutCase) {
  EXPECT_TRUE(EqualIgnoringCase("JoeSmith", "joesmith"));
  EXPECT_TRUE(EqualIgnoringCase("REN\xC9", "ren\xE9"));
  EXPECT_TRUE(EqualIgnoringCase("", ""));
  EXPECT_FALSE(EqualIgnoringCase("Joe", "Joe "));
  EXPECT_FALSE(EqualIgnoringCase("Joe", "Jon"));
  EXPECT_EQ(LowerCase("S&top Incoming Text"), "s&top incoming text");
}

}  // namespace
}  // namespace vornik32
