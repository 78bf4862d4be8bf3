#pragma once
// The common part of every control of the kit: a child window of one of the standard classes,
// placed in twips in its container (a form or a frame), with its design name and kind.
//
// The wrapper holds the control's properties, so they can be read and set whether or not the
// form is loaded: the window is created from them when the form loads, and on unload they go back
// to their design values (what the constructor was given), as a form's controls do when it is
// loaded again. Notifications (WM_COMMAND) reach the control through its form.

#include <string>

#include "shared/ui/container.h"
#include "shared/ui/element.h"
#include "shared/ui/twips.h"
#include "shared/winsys/window_system.h"

namespace ui {

enum class Visibility { kVisible, kHidden };

class Control : public Element {
 public:
  ~Control() override;

  const std::string& name() const final { return name_; }
  Kind kind() const final { return kind_; }
  Form& form() const final { return *form_; }
  winsys::HWND hwnd() const final { return hwnd_; }
  bool enabled() const override { return enabled_; }
  bool visible() const override;

  int control_id() const { return control_id_; }
  const TwipsRect& position() const { return position_; }
  void Move(const TwipsRect& position);

  void Enable();
  void Disable();
  // The control's own Visible property; what a person sees also needs the form and the frames
  // around it visible (visible()).
  void Show();
  void Hide();
  bool shown() const { return shown_; }
  void SetFocus();

 protected:
  Control(Container& container, std::string name, Kind kind, const TwipsRect& position,
          Visibility visibility);

  winsys::WindowSystem& ws() const;

  // The window's class, style bits beyond WS_CHILD / WS_VISIBLE / WS_DISABLED, and the caption
  // it is created with.
  virtual const char* class_name() const = 0;
  virtual winsys::DWORD class_style() const = 0;
  virtual std::string initial_caption() const { return {}; }
  // The rectangle the window is made and moved with, in pixels of its container.
  virtual winsys::Rect WindowRect() const { return position_.ToPixels(); }
  // After the window exists: fill it from the wrapper's state, subclass it.
  virtual void AfterCreate() {}
  // The window is gone (the form unloaded or it was destroyed).
  virtual void OnWindowGone() {}
  // Back to the design values.
  virtual void ResetProperties() {}
  // A notification code of WM_COMMAND from this control.
  virtual void OnCommand(unsigned /*code*/) {}

  // For controls that subclass their window: their destructor calls this first, while the
  // procedures they installed can still run.
  void DestroyOwnWindow();

 private:
  friend class Form;
  void CreateOwnWindow();
  void ForgetWindow();
  void ResetToDesign();

  Form* form_;
  Container* container_;
  std::string name_;
  Kind kind_;
  TwipsRect design_position_;
  TwipsRect position_;
  Visibility design_visibility_;
  bool shown_;
  bool enabled_ = true;
  int control_id_ = 0;
  winsys::HWND hwnd_ = winsys::kNoWindow;
};

}  // namespace ui
