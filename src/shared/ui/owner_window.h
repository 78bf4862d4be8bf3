#pragma once
// A window as a side window or a dialog needs its owner: to own what it shows, and to be
// disabled while that is up. Forms are owner windows; a class that takes one needs nothing else
// of the form it came from.

#include "shared/winsys/window_system.h"

namespace ui {

class OwnerWindow {
 public:
  OwnerWindow() = default;
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  virtual ~OwnerWindow() = default;

  virtual winsys::WindowSystem& ws() const = 0;
  // No window while the form is not loaded.
  virtual winsys::HWND hwnd() const = 0;
  virtual void Enable() = 0;
  virtual void Disable() = 0;
};

}  // namespace ui
