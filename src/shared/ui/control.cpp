#include "shared/ui/control.h"

#include "shared/ui/form.h"

namespace ui {

using namespace winsys;

Control::Control(Container& container, std::string name, Kind kind, const TwipsRect& position,
                 Visibility visibility)
    : form_(&container.owner_form()),
      container_(&container),
      name_(std::move(name)),
      kind_(kind),
      design_position_(position),
      position_(position),
      design_visibility_(visibility),
      shown_(visibility == Visibility::kVisible) {
  control_id_ = form_->Adopt(*this);
}

Control::~Control() {
  DestroyOwnWindow();
  form_->Release(*this);
}

WindowSystem& Control::ws() const {
  return form_->ws();
}

bool Control::visible() const {
  return hwnd_ != kNoWindow && form_->ws().IsWindowVisible(hwnd_);
}

void Control::Move(const TwipsRect& position) {
  position_ = position;
  if (hwnd_ != kNoWindow) ws().MoveWindow(hwnd_, WindowRect());
}

void Control::Enable() {
  enabled_ = true;
  if (hwnd_ != kNoWindow) ws().EnableWindow(hwnd_, true);
}

void Control::Disable() {
  enabled_ = false;
  if (hwnd_ != kNoWindow) ws().EnableWindow(hwnd_, false);
}

void Control::Show() {
  shown_ = true;
  if (hwnd_ != kNoWindow) ws().ShowWindow(hwnd_, SW_SHOW);
}

void Control::Hide() {
  shown_ = false;
  if (hwnd_ != kNoWindow) ws().ShowWindow(hwnd_, SW_HIDE);
}

void Control::SetFocus() {
  if (hwnd_ != kNoWindow) ws().SetFocus(hwnd_);
}

void Control::DestroyOwnWindow() {
  if (hwnd_ == kNoWindow) return;
  const HWND window = hwnd_;
  if (ws().IsWindow(window)) ws().DestroyWindow(window);
  ForgetWindow();
}

void Control::CreateOwnWindow() {
  CreateParams params;
  params.class_name = class_name();
  params.caption = initial_caption();
  params.style =
      WS_CHILD | class_style() | (shown_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  params.parent = container_->container_window();
  params.rect = WindowRect();
  params.control_id = control_id_;
  hwnd_ = ws().CreateWindow(params);
  if (hwnd_ != kNoWindow) AfterCreate();
}

void Control::ForgetWindow() {
  if (hwnd_ == kNoWindow) return;
  hwnd_ = kNoWindow;
  OnWindowGone();
}

void Control::ResetToDesign() {
  position_ = design_position_;
  shown_ = design_visibility_ == Visibility::kVisible;
  enabled_ = true;
  ResetProperties();
}

}  // namespace ui
