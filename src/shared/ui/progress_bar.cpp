#include "shared/ui/progress_bar.h"

#include <algorithm>

namespace ui {

using namespace winsys;

ProgressBar::ProgressBar(Container& container, std::string name, const TwipsRect& position,
                         Visibility visibility)
    : Control(container, std::move(name), Kind::kProgressBar, position, visibility) {}

int ProgressBar::Clamp(int value) const {
  return std::clamp(value, min_, max_);
}

void ProgressBar::set_range(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  value_ = Clamp(value_);
  if (hwnd() != kNoWindow) AfterCreate();
}

void ProgressBar::set_value(int value) {
  value_ = Clamp(value);
  if (hwnd() != kNoWindow) ws().SendMessage(hwnd(), PBM_SETPOS, static_cast<WPARAM>(value_), 0);
}

void ProgressBar::AfterCreate() {
  // The range travels as two 16-bit halves of lParam, as the control takes it.
  const auto range =
      static_cast<LPARAM>(MakeWParam(static_cast<unsigned>(min_), static_cast<unsigned>(max_)));
  ws().SendMessage(hwnd(), PBM_SETRANGE, 0, range);
  ws().SendMessage(hwnd(), PBM_SETPOS, static_cast<WPARAM>(value_), 0);
}

void ProgressBar::ResetProperties() {
  min_ = 0;
  max_ = 100;
  value_ = 0;
}

}  // namespace ui
