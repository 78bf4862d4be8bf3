#include "scenario/room_traffic.h"

#include <algorithm>
#include <cctype>

namespace scenario {
namespace {

// Out of a hundred lines, about how many come from the signed-on user and how many are
// malformed; the rest are requests, in the proportions below.
constexpr int kFromTheUser = 5;
constexpr int kMalformed = 7;
constexpr int kItemThatExists = 40;
constexpr int kItemThatDoesNot = 8;
constexpr int kRange = 10;
constexpr int kTwoItems = 5;
constexpr int kList = 7;
constexpr int kFind = 10;
constexpr int kStatus = 8;

constexpr const char* kWordsFoundNowhere[] = {"zebra", "quantum", "xylophone"};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

RoomTraffic::RoomTraffic(winsys::sim::SimDesktop& desktop, TrafficRoom room, std::uint32_t seed,
                         double lines_per_minute)
    : desktop_(desktop),
      room_(std::move(room)),
      random_(seed),
      mean_gap_(60.0 / std::max(lines_per_minute, 0.01)) {
  ScheduleNext();
}

RoomTraffic::~RoomTraffic() {
  if (scheduled_ != 0) desktop_.CancelScheduled(scheduled_);
}

double RoomTraffic::Uniform(double low, double high) {
  const double unit = static_cast<double>(random_()) / 4294967296.0;  // [0, 1)
  return low + (high - low) * unit;
}

int RoomTraffic::Below(int bound) {
  if (bound <= 0) return 0;
  return static_cast<int>(random_() % static_cast<std::uint32_t>(bound));
}

// The gaps vary from half to one and a half times the mean, so the rate holds over a minute.
void RoomTraffic::ScheduleNext() {
  const double at = desktop_.clock().Now() + Uniform(0.5, 1.5) * mean_gap_;
  scheduled_ = desktop_.ScheduleAt(at, [this] {
    scheduled_ = 0;
    Speak();
    ScheduleNext();
  });
}

void RoomTraffic::Speak() {
  const auto [sender, text] = NextLine();
  if (!sender.empty()) room_.say(sender, text);
}

const std::vector<std::string>& RoomTraffic::Others(const std::string& user) {
  const std::uint64_t changes = room_.member_changes();
  if (others_taken_ && changes == others_changes_ && user == others_user_) return others_;
  const std::string handle = Lower(user);
  others_.clear();
  for (const std::string& member : room_.members()) {
    if (Lower(member) != handle) others_.push_back(member);
  }
  others_user_ = user;
  others_changes_ = changes;
  others_taken_ = true;
  return others_;
}

std::pair<std::string, std::string> RoomTraffic::NextLine() {
  const std::string user = room_.screen_name();
  if (user.empty()) return {};
  const std::vector<std::string>& others = Others(user);
  if (others.empty()) return {};
  const std::string handle = Lower(user);
  const int items = room_.title_count();
  const std::string& member =
      others[static_cast<std::size_t>(Below(static_cast<int>(others.size())))];
  const int kind = Below(100);
  if (kind < kFromTheUser) return {user, Request(handle, items)};
  if (kind < kFromTheUser + kMalformed) return {member, Malformed(handle)};
  return {member, Request(handle, items)};
}

std::string RoomTraffic::Request(const std::string& handle, int items) {
  const std::string lead = "/" + handle + " ";
  const int some = std::max(items, 1);
  int kind =
      Below(kItemThatExists + kItemThatDoesNot + kRange + kTwoItems + kList + kFind + kStatus);
  if ((kind -= kItemThatExists) < 0) return lead + "send " + std::to_string(Below(some));
  if ((kind -= kItemThatDoesNot) < 0) {
    return lead + "send " + std::to_string(some + Below(100));
  }
  if ((kind -= kRange) < 0) {
    const int first = Below(some);
    return lead + "send " + std::to_string(first) + "-" + std::to_string(first + 1 + Below(3));
  }
  if ((kind -= kTwoItems) < 0) {
    return lead + "send " + std::to_string(Below(some)) + ", " + std::to_string(Below(some));
  }
  if ((kind -= kList) < 0) return lead + "send list";
  if ((kind -= kFind) < 0) return lead + "find " + FindWords();
  return lead + "status";
}

std::string RoomTraffic::Malformed(const std::string& handle) {
  switch (Below(6)) {
    case 0:
      return "/" + handle + " send";
    case 1:
      return "/" + handle + " sned " + std::to_string(Below(10));
    case 2:
      return "/" + handle + " send many";
    case 3:
      return handle + " send " + std::to_string(Below(10));
    case 4:
      return "/" + handle;
    default:
      return "hello everybody";
  }
}

// A word of a stored mail's subject most of the time, else a word found nowhere.
std::string RoomTraffic::FindWords() {
  const int titles = room_.title_count();
  if (titles == 0 || Below(4) == 0) return kWordsFoundNowhere[Below(3)];
  const std::string title = room_.title(Below(titles));
  std::vector<std::string> words;
  std::string word;
  for (const char c : title + " ") {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (words.empty()) return kWordsFoundNowhere[0];
  return Lower(words[static_cast<std::size_t>(Below(static_cast<int>(words.size())))]);
}

}  // namespace scenario
