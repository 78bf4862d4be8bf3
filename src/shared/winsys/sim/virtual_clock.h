#pragma once
// The clock of tests and scenario runs: time moves only when the desktop lets it.

#include <limits>

#include "shared/winsys/clock.h"

namespace winsys::sim {

class VirtualClock : public Clock {
 public:
  // Starts at 2000-06-15 12:00:00.000 unless told otherwise.
  VirtualClock();
  explicit VirtualClock(const LocalTime& start);

  double Now() const override { return now_; }
  LocalTime Local() const override;

  void SetStart(const LocalTime& start);
  void Advance(double seconds);
  void AdvanceTo(double when);  // never moves backwards

 private:
  double start_seconds_of_epoch_day_ = 0;  // seconds since midnight at Now() == 0
  long start_day_number_ = 0;              // days since 1970-01-01 of the start date
  double now_ = 0;
  // The date of the day asked for last: the waits read the time of day several times a second,
  // and the date changes once a day.
  struct Date {
    long day_number = std::numeric_limits<long>::min();  // none yet
    int year = 0, month = 0, day = 0;
  };
  mutable Date last_date_;
};

// Calendar helpers shared by the clocks.
long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long days, int& year, int& month, int& day);

}  // namespace winsys::sim
