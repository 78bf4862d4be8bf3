#pragma once
// Time as the program sees it. Core code never reads a platform clock; it asks the Clock that
// its window system was made with, which is either the virtual clock of tests and scenario runs
// or the real clock.

#include <string>

namespace winsys {

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Monotonic seconds since some fixed start; only differences mean anything.
  virtual double Now() const = 0;
  // The local date and time of day.
  virtual LocalTime Local() const = 0;
  // Seconds since local midnight, with their fraction (0 <= value < 86400).
  double SecondsSinceMidnight() const;
  // A date and a time of day written as the user's platform writes them in short: by default as
  // an English Windows does ("6/15/2000", "1:05:09 PM"); the real clock asks the user's locale.
  virtual std::string ShortDateText(const LocalTime& time) const;
  virtual std::string TimeOfDayText(const LocalTime& time) const;
};

}  // namespace winsys
