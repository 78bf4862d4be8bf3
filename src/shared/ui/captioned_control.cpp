#include "shared/ui/captioned_control.h"

namespace ui {

CaptionedControl::CaptionedControl(Container& container, std::string name, Kind kind,
                                   std::string caption, const TwipsRect& position,
                                   Visibility visibility)
    : Control(container, std::move(name), kind, position, visibility),
      design_caption_(caption),
      caption_(std::move(caption)) {}

void CaptionedControl::set_caption(std::string caption) {
  caption_ = std::move(caption);
  if (hwnd() != winsys::kNoWindow) ws().SetWindowText(hwnd(), caption_);
}

}  // namespace ui
