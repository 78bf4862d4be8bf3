// The serving loop's pure pieces, as tables: escaping echoed text, the title search's edges and
// the mailbox position an item text names.

#include <gmock/gmock.h>

#include <limits>

#include "serving_loop/html_text.h"
#include "serving_loop/item_entry.h"
#include "serving_loop/mail_note.h"
#include "serving_loop/title_search.h"

namespace serving_loop {
namespace {

TEST(EscapeHtml, MarkupCharactersBecomeEntitiesAndTheRestStays) {
  const std::pair<const char*, const char*> cases[] = {
      {"red car", "red car"},
      {"<b>", "&lt;b&gt;"},
      {"a & b", "a &amp; b"},
      {"\"x\"", "&quot;x&quot;"},
      {"&amp;", "&amp;amp;"},
      {"caf\xe9 \x95", "caf\xe9 \x95"},
      {"", ""},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapeHtml(text), escaped) << text;
}

TEST(SearchTitles, TheMaximumIsTestedAfterEachMatch) {
  const std::vector<std::string> titles = {"a1", "b", "a2", "a3"};
  const std::pair<std::int64_t, int> cases[] = {{300, 3}, {2, 2}, {1, 1}, {0, 1}, {-5, 1}};
  for (const auto& [maximum, matches] : cases) {
    EXPECT_EQ(SearchTitles(titles, "A", maximum).matches, matches) << maximum;
  }
  EXPECT_EQ(SearchTitles(titles, "", 2).text, "0)  a1\r\n1)  b\r\n");
  EXPECT_EQ(SearchTitles({}, "a", 300).matches, 0);
  // Accented capitals fold as the client's character set folds them.
  EXPECT_EQ(SearchTitles({"CAF\xc9"}, "caf\xe9", 300).matches, 1);
}

TEST(MailboxPosition, OnlyWholeNumbersThatFitNameAPosition) {
  const std::tuple<const char*, std::int32_t, std::optional<int>> cases[] = {
      {"12", 3, 15},
      {"012", 3, 15},
      {"0", 0, 0},
      {"1x", 3, std::nullopt},
      {"", 3, std::nullopt},
      {"-1", 3, std::nullopt},
      {" 1", 3, std::nullopt},
      {"2147483647", 0, std::numeric_limits<int>::max()},
      {"2147483647", 1, std::nullopt},
      {"99999999999999999999999", 0, std::nullopt},
  };
  for (const auto& [text, offset, position] : cases) {
    EXPECT_EQ(MailboxPosition(text, offset), position) << text << " + " << offset;
  }
}

TEST(MailNote, HostNamesAreSpacedLetterByLetter) {
  EXPECT_EQ(SpacedOut("ab.c"), "a b . c");
  EXPECT_EQ(SpacedOut("a"), "a");
  EXPECT_EQ(SpacedOut(""), "");
  EXPECT_EQ(ListNoteLine(3), "\x95 server list #3");
}

}  // namespace
}  // namespace serving_loop
