#pragma once
// The real clock of the Windows build: the performance counter for intervals, the local time of
// day from the system.

#include "shared/winsys/clock.h"

namespace winsys::win32 {

class Win32Clock : public Clock {
 public:
  Win32Clock();
  double Now() const override;
  LocalTime Local() const override;

 private:
  double ticks_per_second_ = 1.0;
};

}  // namespace winsys::win32
