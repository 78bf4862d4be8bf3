#pragma once
// A frame: a captioned group box ("Button", BS_GROUPBOX) that holds controls.
//
// The controls placed in a frame are child windows of the group box, positioned inside it, so
// that hiding or moving the frame takes them along and a person sees them only while the frame
// is visible. A group box does not pass its children's notifications on, so the frame subclasses
// its window and forwards WM_COMMAND to its own parent: the form (or an outer frame, which
// forwards again) receives every notification unchanged, with the control's id and window.

#include "shared/ui/captioned_control.h"
#include "shared/ui/container.h"
#include "shared/winsys/window_system.h"

namespace ui {

class Frame : public CaptionedControl, public Container {
 public:
  Frame(Container& container, std::string name, std::string caption, const TwipsRect& position,
        Visibility visibility = Visibility::kVisible);
  ~Frame() override;

  Form& owner_form() const override { return form(); }
  winsys::HWND container_window() const override { return hwnd(); }
  bool container_visible() const override { return visible(); }

 private:
  const char* class_name() const override { return "Button"; }
  winsys::DWORD class_style() const override { return winsys::BS_GROUPBOX; }
  void AfterCreate() override;
  void OnWindowGone() override { group_box_procedure_ = nullptr; }

  winsys::WindowProc group_box_procedure_;
};

}  // namespace ui
