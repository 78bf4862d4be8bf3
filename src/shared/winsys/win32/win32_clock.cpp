#include "shared/winsys/win32/win32_clock.h"

#include <windows.h>

namespace winsys::win32 {

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

}  // namespace winsys::win32
