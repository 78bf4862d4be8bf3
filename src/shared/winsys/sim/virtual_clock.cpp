#include "shared/winsys/sim/virtual_clock.h"

#include <cmath>
#include <cstdint>

namespace winsys::sim {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  if ((value % divisor != 0) && ((value < 0) != (divisor < 0))) --quotient;
  return quotient;
}

double SecondsOfDay(const LocalTime& t) {
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

}  // namespace

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long year_of_era = year - era * 400;
  const long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void CivilFromDays(long days, int& year, int& month, int& day) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long day_of_era = days - era * 146097;
  const long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long month_index = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);
  month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);
  year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
}

VirtualClock::VirtualClock() : VirtualClock(LocalTime{2000, 6, 15, 12, 0, 0, 0}) {}

VirtualClock::VirtualClock(const LocalTime& start) {
  SetStart(start);
}

void VirtualClock::SetStart(const LocalTime& start) {
  start_day_number_ = DaysFromCivil(start.year, start.month, start.day);
  start_seconds_of_epoch_day_ = SecondsOfDay(start);
}

// The time of day is rounded to the nearest millisecond, so that a clock advanced to an exact
// deadline reads that deadline and not a hair before it.
LocalTime VirtualClock::Local() const {
  const auto total_ms =
      static_cast<std::int64_t>(std::llround((start_seconds_of_epoch_day_ + now_) * 1000.0));
  const std::int64_t day_offset = FloorDivide(total_ms, kMillisecondsPerDay);
  std::int64_t ms_of_day = total_ms - day_offset * kMillisecondsPerDay;
  LocalTime t;
  const long day_number = start_day_number_ + static_cast<long>(day_offset);
  if (day_number != last_date_.day_number) {
    last_date_.day_number = day_number;
    CivilFromDays(day_number, last_date_.year, last_date_.month, last_date_.day);
  }
  t.year = last_date_.year;
  t.month = last_date_.month;
  t.day = last_date_.day;
  t.hour = static_cast<int>(ms_of_day / 3'600'000);
  ms_of_day %= 3'600'000;
  t.minute = static_cast<int>(ms_of_day / 60'000);
  ms_of_day %= 60'000;
  t.second = static_cast<int>(ms_of_day / 1000);
  t.millisecond = static_cast<int>(ms_of_day % 1000);
  return t;
}

void VirtualClock::Advance(double seconds) {
  if (seconds > 0) now_ += seconds;
}

void VirtualClock::AdvanceTo(double when) {
  if (when > now_) now_ = when;
}

}  // namespace winsys::sim
