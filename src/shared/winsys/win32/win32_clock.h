#pragma once
// The real clock of the Windows build: the performance counter for intervals, the local time of
// day from the system, written in the user's own short date and time formats.

#include "shared/winsys/clock.h"

namespace winsys::win32 {

class Win32Clock : public Clock {
 public:
  Win32Clock();
  double Now() const override;
  LocalTime Local() const override;
  std::string ShortDateText(const LocalTime& time) const override;
  std::string TimeOfDayText(const LocalTime& time) const override;

 private:
  double ticks_per_second_ = 1.0;
};

}  // namespace winsys::win32
