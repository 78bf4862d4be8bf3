#include "shared/winsys/clock.h"

#include <cstdio>

namespace winsys {

double Clock::SecondsSinceMidnight() const {
  const LocalTime t = Local();
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

std::string Clock::ShortDateText(const LocalTime& time) const {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%d", time.month, time.day, time.year);
  return text;
}

std::string Clock::TimeOfDayText(const LocalTime& time) const {
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  const char* half = time.hour < 12 ? "AM" : "PM";
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, time.minute, time.second, half);
  return text;
}

}  // namespace winsys
