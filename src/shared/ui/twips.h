#pragma once
// Positions and sizes of forms and controls are written in twips, the unit the form designs use:
// 1440 to the inch, so 15 to a pixel at 96 dots per inch. Conversion truncates towards zero, as
// the designs are laid out on whole pixels (every design value is a multiple of 15).

#include "shared/winsys/types.h"

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

struct TwipsSize {
  int width = 0;
  int height = 0;
  bool operator==(const TwipsSize&) const = default;
};

// Left, top, width, height, as the designs list them; left and top are relative to the
// container (a form's client area or a frame).
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipsRect&) const = default;

  constexpr winsys::Rect ToPixels() const {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, x + TwipsToPixels(width), y + TwipsToPixels(height)};
  }
};

}  // namespace ui
