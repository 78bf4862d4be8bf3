#include "shared/winsys/clock.h"

namespace winsys {

double Clock::SecondsSinceMidnight() const {
  const LocalTime t = Local();
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

}  // namespace winsys
