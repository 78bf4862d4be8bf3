#include "shared/time_text.h"

#include <cstdio>

namespace shared {

std::string TimeOfDayText(const winsys::LocalTime& time) {
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  const char* half = time.hour < 12 ? "AM" : "PM";
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, time.minute, time.second, half);
  return text;
}

std::string ShortDateText(const winsys::LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d/%d", time.month, time.day, time.year);
  return text;
}

}  // namespace shared
