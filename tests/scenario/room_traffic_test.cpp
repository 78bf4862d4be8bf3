// A busy room: reproducible from its seed, at about its rate, with every kind of line.

#include "scenario/room_traffic.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shared/winsys/sim/virtual_clock.h"
#include "shared/winsys/wait.h"

namespace scenario {
namespace {

using Said = std::vector<std::pair<std::string, std::string>>;

Said AnHourOf(std::uint32_t seed, double per_minute) {
  winsys::sim::VirtualClock clock;
  winsys::sim::SimDesktop desktop(clock);
  winsys::WindowSystem& room_side = desktop.CreateProcess("service");
  Said said;
  {
    RoomTraffic traffic(
        desktop,
        TrafficRoom{[] {
                      return std::vector<std::string>{"MailMaven", "Ann Lee", "Bob"};
                    },
                    [] { return std::uint64_t{0}; }, [] { return std::string("MailMaven"); },
                    [] { return 3; },
                    [](int i) {
                      return std::vector<std::string>{"Rock Roll", "Blue Moon",
                                                      "Old Maps"}[static_cast<std::size_t>(i)];
                    },
                    [&](const std::string& sender, const std::string& text) {
                      said.emplace_back(sender, text);
                    }},
        seed, per_minute);
    winsys::WaitAtLeastSeconds(room_side, 3600);
  }
  // Gone with its owner: nothing more is said.
  const std::size_t before = said.size();
  winsys::WaitAtLeastSeconds(room_side, 600);
  EXPECT_EQ(said.size(), before);
  return said;
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

TEST(RoomTraffic, TheSameSeedSaysTheSameThingsAtAboutTheRate) {
  const Said first = AnHourOf(5, 6);
  EXPECT_EQ(first, AnHourOf(5, 6));
  EXPECT_NE(first, AnHourOf(6, 6));
  EXPECT_GT(first.size(), 300u);
  EXPECT_LT(first.size(), 420u);
}

TEST(RoomTraffic, MembersAskForEveryKindOfThingAndTheUserNowAndThen) {
  const Said said = AnHourOf(9, 20);
  int existing = 0, missing = 0, ranges = 0, lists = 0, finds = 0, statuses = 0, other = 0,
      by_user = 0;
  for (const auto& [sender, text] : said) {
    by_user += sender == "MailMaven" ? 1 : 0;
    if (text == "/mailmaven send list") {
      ++lists;
    } else if (text == "/mailmaven status") {
      ++statuses;
    } else if (StartsWith(text, "/mailmaven find ")) {
      ++finds;
    } else if (StartsWith(text, "/mailmaven send ") && text.find('-') != std::string::npos) {
      ++ranges;
    } else if (StartsWith(text, "/mailmaven send ") &&
               text.find_first_not_of("0123456789", 16) == std::string::npos) {
      (std::stoi(text.substr(16)) < 3 ? existing : missing) += 1;
    } else {
      ++other;  // two items at once, and the malformed lines
    }
  }
  for (const int count : {existing, missing, ranges, lists, finds, statuses, other, by_user}) {
    EXPECT_GT(count, 0);
  }
  EXPECT_GT(existing, missing);
  EXPECT_LT(by_user, static_cast<int>(said.size()) / 10);
}

}  // namespace
}  // namespace scenario
