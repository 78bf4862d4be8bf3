#include "shared/winsys/win32/win32_clock.h"

#include <windows.h>

#include <string>

namespace winsys::win32 {
namespace {

SYSTEMTIME SystemTimeOf(const LocalTime& time) {
  SYSTEMTIME system{};
  system.wYear = static_cast<WORD>(time.year);
  system.wMonth = static_cast<WORD>(time.month);
  system.wDay = static_cast<WORD>(time.day);
  system.wHour = static_cast<WORD>(time.hour);
  system.wMinute = static_cast<WORD>(time.minute);
  system.wSecond = static_cast<WORD>(time.second);
  system.wMilliseconds = static_cast<WORD>(time.millisecond);
  return system;
}

// The platform writes the text; a date it cannot write (out of its range) falls back on the
// English form rather than showing nothing.
template <typename Format>
std::string Written(Format format) {
  char text[128] = {};
  const int length = format(text, static_cast<int>(sizeof text));
  if (length <= 1) return {};
  return std::string(text, static_cast<std::size_t>(length - 1));
}

}  // namespace

Win32Clock::Win32Clock() {
  LARGE_INTEGER frequency;
  if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) {
    ticks_per_second_ = static_cast<double>(frequency.QuadPart);
  }
}

double Win32Clock::Now() const {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / ticks_per_second_;
}

LocalTime Win32Clock::Local() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                   now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string Win32Clock::ShortDateText(const LocalTime& time) const {
  const SYSTEMTIME system = SystemTimeOf(time);
  std::string text = Written([&](char* buffer, int size) {
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &system, nullptr, buffer, size);
  });
  return text.empty() ? Clock::ShortDateText(time) : text;
}

std::string Win32Clock::TimeOfDayText(const LocalTime& time) const {
  const SYSTEMTIME system = SystemTimeOf(time);
  std::string text = Written([&](char* buffer, int size) {
    return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &system, nullptr, buffer, size);
  });
  return text.empty() ? Clock::TimeOfDayText(time) : text;
}

}  // namespace winsys::win32
