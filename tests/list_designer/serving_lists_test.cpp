// The serving-list data as tables: splitting titles into lists of 300, the list mail's subject
// and body, subjects out of mailbox lines, recognising list mails and their numbers, and the
// completeness check of adopted lists.

#include "list_designer/serving_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace list_designer {
namespace {

std::vector<std::string> Titles(int count) {
  std::vector<std::string> titles;
  for (int i = 0; i < count; ++i) titles.push_back("Title " + std::to_string(i));
  return titles;
}

int LinesOf(const std::string& body) {
  if (body.empty()) return 0;
  int lines = 1;
  for (std::size_t at = body.find(kLineBreak); at != std::string::npos;
       at = body.find(kLineBreak, at + 2)) {
    ++lines;
  }
  return lines;
}

TEST(ServingListsTest, TitlesSplitIntoListsOfThreeHundredWithAnEmptyLastOnTheBoundary) {
  struct Row {
    int titles;
    int lists;
    std::vector<int> lines_per_list;
  };
  const Row rows[] = {
      {0, 1, {0}},
      {1, 1, {1}},
      {299, 1, {299}},
      {300, 2, {300, 0}},
      {301, 2, {300, 1}},
      {600, 3, {300, 300, 0}},
      {650, 3, {300, 300, 50}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.titles);
    const std::vector<std::string> titles = Titles(row.titles);
    ASSERT_EQ(ListCountFor(row.titles), row.lists);
    for (int k = 1; k <= row.lists; ++k) {
      EXPECT_EQ(LinesOf(ListBody(titles, k)), row.lines_per_list[static_cast<std::size_t>(k - 1)])
          << "list " << k;
    }
  }
}

TEST(ServingListsTest, ItemNumbersRunOnAcrossLists) {
  const std::vector<std::string> titles = Titles(301);
  EXPECT_EQ(ListBody(titles, 2), "300)  Title 300");
  const std::string first = ListBody(titles, 1);
  EXPECT_TRUE(first.starts_with("0)  Title 0\r\n1)  Title 1\r\n"));
  EXPECT_TRUE(first.ends_with("\r\n299)  Title 299"));  // no line break after the last line
  const ItemRange second = ItemsOfList(2, 650);
  EXPECT_EQ(second.first, 300);
  EXPECT_EQ(second.last, 599);
  EXPECT_TRUE(ItemsOfList(2, 300).empty());
}

TEST(ServingListsTest, TitlesGoInUnchangedEvenWithTheSeparatorInThem) {
  const std::vector<std::string> titles = {"a)  b", "", "\x95 tollmere server list 4"};
  EXPECT_EQ(ListBody(titles, 1), "0)  a)  b\r\n1)  \r\n2)  \x95 tollmere server list 4");
}

TEST(ServingListsTest, SubjectIsTheTextAfterTheSecondTab) {
  struct Row {
    const char* line;
    const char* subject;
  };
  const Row rows[] = {
      {"06/15/2000\tMailKeeper\tRed car", "Red car"},
      {"a\tb\tc\td", "c\td"},
      {"a\tb", "b"},
      {"no tabs", "no tabs"},
      {"a\t\t", ""},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(SubjectOfMailboxLine(row.line), row.subject) << row.line;
}

TEST(ServingListsTest, ListMailsAreRecognisedByTheirSubjectWithTheirNumber) {
  struct Row {
    std::string subject;
    std::optional<std::int32_t> number;
  };
  const std::string prefix = kListSubjectPrefix;
  const Row rows[] = {
      {prefix + "1", 1},
      {prefix + "12abc", 12},
      {prefix + "007", 7},
      {prefix, 0},  // no number: list 0, never served
      {prefix + "x3", 0},
      {prefix + "99999999999", 2147483647},           // too long for 32 bits: held at the largest
      {"\x95 tollmere server list", std::nullopt},    // the prefix without its final blank
      {"\x95 Tollmere server list 1", std::nullopt},  // letter case counts
      {"Fwd: " + prefix + "1", std::nullopt},
      {"- tollmere server list 1", std::nullopt},  // a dash is not the bullet
      {"", std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ServingListNumber(row.subject), row.number) << row.subject;
  }
  EXPECT_EQ(ListSubject(3), prefix + "3");
  EXPECT_EQ(ListSubject(3)[0], kBullet);
}

TEST(ServingListsTest, WildcardStandsForAnyRunAndTheRestMatchesExactly) {
  struct Row {
    const char* text;
    const char* pattern;
    bool matches;
  };
  const Row rows[] = {
      {"abc", "abc", true}, {"abc", "ab", false}, {"abc", "a*", true},     {"a", "a*", true},
      {"abc", "*c", true},  {"abc", "a*c", true}, {"abcbc", "a*bc", true}, {"abcb", "a*bc", false},
      {"", "*", true},      {"", "", true},       {"ABC", "a*", false},    {"axbxc", "a*b*c", true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MatchesPattern(row.text, row.pattern), row.matches)
        << row.text << " ~ " << row.pattern;
  }
}

TEST(ServingListsTest, AdoptedListsAreCompleteWhenTheHighestNumberIsTheCount) {
  struct Row {
    std::vector<std::int32_t> numbers;
    ListSet result;
  };
  const Row rows[] = {
      {{1, 2, 3}, ListSet::kComplete},
      {{3, 1, 2}, ListSet::kComplete},  // mailbox order is not number order
      {{1, 3}, ListSet::kMissing},      // a gap
      {{2, 1, 2}, ListSet::kMissing},   // a duplicate
      {{1, 1, 3}, ListSet::kComplete},  // a duplicate and a gap balance out
      {{0}, ListSet::kMissing},         // a list without a number still counts
      {{}, ListSet::kMissing},          // nothing to adopt
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CheckListSet(row.numbers), row.result) << ::testing::PrintToString(row.numbers);
  }
}

TEST(ServingListsTest, EntriesNameTheListAndItsMailboxIndex) {
  EXPECT_EQ(ServingListEntry(2, 317), "2-317");
  const ServingListPlace place = SplitServingListEntry("12-3");
  EXPECT_EQ(place.list_number, "12");
  EXPECT_EQ(place.mailbox_index, "3");
}

TEST(ServingListsTest, ProgressIsRoundedDownAndAbsentWithoutATotal) {
  struct Row {
    int done;
    int total;
    std::optional<int> percent;
  };
  const Row rows[] = {
      {0, 650, 0},   {649, 650, 99}, {5, 10, 50},          {10, 10, 100},
      {-1, 10, -10}, {-1, 650, -1},  {3, 0, std::nullopt}, {0, -1, std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ProgressPercent(row.done, row.total), row.percent) << row.done << "/" << row.total;
  }
}

}  // namespace
}  // namespace list_designer
