#include "shared/winsys/sim/real_clock.h"

#include <chrono>
#include <ctime>

namespace winsys::sim {
namespace {

double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

RealClock::RealClock() : origin_(SteadySeconds()) {}

double RealClock::Now() const {
  return SteadySeconds() - origin_;
}

LocalTime RealClock::Local() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &seconds);
#else
  localtime_r(&seconds, &parts);
#endif
  LocalTime t;
  t.year = parts.tm_year + 1900;
  t.month = parts.tm_mon + 1;
  t.day = parts.tm_mday;
  t.hour = parts.tm_hour;
  t.minute = parts.tm_min;
  t.second = parts.tm_sec;
  t.millisecond = static_cast<int>(ms < 0 ? ms + 1000 : ms);
  return t;
}

}  // namespace winsys::sim
