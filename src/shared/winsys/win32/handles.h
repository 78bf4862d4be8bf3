#pragma once
// Between the seam's 32-bit handle numbers and the platform's handles (pointer-sized). Handles
// are 32-bit values on every Windows, sign-extended in a 64-bit process, so the numbers are the
// real handle values; HWND_TOPMOST and HWND_NOTOPMOST (-1, -2) come out right that way too.
// For the sources of this folder only.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>

#include "shared/winsys/types.h"

namespace winsys::win32 {

template <typename Platform>
Platform FromSeamNumber(std::uint32_t number) {
  return reinterpret_cast<Platform>(static_cast<std::intptr_t>(static_cast<std::int32_t>(number)));
}

template <typename Platform>
std::uint32_t ToSeamNumber(Platform handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

inline ::HWND ToReal(winsys::HWND window) {
  return FromSeamNumber<::HWND>(window);
}
inline winsys::HWND ToSeam(::HWND window) {
  return ToSeamNumber(window);
}
inline ::HMENU ToRealMenu(winsys::HMENU menu) {
  return FromSeamNumber<::HMENU>(menu);
}
inline winsys::HMENU ToSeamMenu(::HMENU menu) {
  return ToSeamNumber(menu);
}
inline ::HANDLE ToRealHandle(winsys::HANDLE handle) {
  return FromSeamNumber<::HANDLE>(handle);
}
inline winsys::HANDLE ToSeamHandle(::HANDLE handle) {
  return ToSeamNumber(handle);
}

}  // namespace winsys::win32
