#pragma once
// A busy room: its members ask, at random but reproducibly from a seed, for items that exist and
// items that do not, ranges, lists, finds and their status, with now and then a malformed line or
// a line from the signed-on user, at about a given number of lines a minute. The lines come from
// the service, not from the client, so they keep coming while the client hangs.

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "shared/winsys/sim/sim_desktop.h"

namespace scenario {

// What the traffic reads of the scene and how it speaks.
struct TrafficRoom {
  std::function<std::vector<std::string>()> members;  // who may speak, the user first
  // Grows whenever the members change: they are taken again only then, not for every line.
  std::function<std::uint64_t()> member_changes;
  std::function<std::string()> screen_name;  // the signed-on user ("" when signed off)
  std::function<int()> title_count;          // how many mails are stored
  std::function<std::string(int)> title;     // the subject of stored mail i
  std::function<void(const std::string& sender, const std::string& text)> say;
};

class RoomTraffic {
 public:
  RoomTraffic(winsys::sim::SimDesktop& desktop, TrafficRoom room, std::uint32_t seed,
              double lines_per_minute);
  ~RoomTraffic();
  RoomTraffic(const RoomTraffic&) = delete;
  RoomTraffic& operator=(const RoomTraffic&) = delete;

  // One line as the traffic would say it now, and who says it (for tests of what it says).
  std::pair<std::string, std::string> NextLine();

 private:
  // The members but the user, taken again only when the members or the user changed.
  const std::vector<std::string>& Others(const std::string& user);
  void ScheduleNext();
  void Speak();
  std::string Request(const std::string& handle, int items);
  std::string Malformed(const std::string& handle);
  std::string FindWords();

  double Uniform(double low, double high);
  int Below(int bound);

  winsys::sim::SimDesktop& desktop_;
  TrafficRoom room_;
  std::mt19937 random_;
  double mean_gap_;
  int scheduled_ = 0;
  std::vector<std::string> others_;
  std::string others_user_;
  std::uint64_t others_changes_ = 0;
  bool others_taken_ = false;
};

}  // namespace scenario
