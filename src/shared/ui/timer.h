#pragma once
// A form's timer: an interval in milliseconds, an Enabled property and the on_timer event, on a
// platform timer of the form's window with the timer's own id.
//
// As with the designer's timers: enabling a timer that is already enabled keeps its schedule;
// setting the interval starts the count again; an interval of 0 never fires. A timer enabled
// while its form is not loaded starts when the form's window exists (it does not load the form).
//
// A tick that comes while the timer's own handler is still running (the handler waits, and the
// wait lets timers run) is dropped rather than entering the handler again: missed periods
// collapse into the next tick, as the platform's do.

#include <functional>
#include <string>

#include "shared/ui/element.h"
#include "shared/winsys/types.h"

namespace ui {

enum class TimerState { kDisabled, kEnabled };

class Timer : public Element {
 public:
  Timer(Form& form, std::string name, winsys::UINT interval_ms,
        TimerState state = TimerState::kDisabled);
  ~Timer() override;

  const std::string& name() const override { return name_; }
  Kind kind() const override { return Kind::kTimer; }
  Form& form() const override { return *form_; }
  bool enabled() const override { return enabled_; }
  // The interval in milliseconds, in decimal.
  std::string caption() const override { return std::to_string(interval_); }

  void Enable();
  void Disable();
  winsys::UINT interval() const { return interval_; }
  void set_interval(winsys::UINT interval_ms);
  int id() const { return id_; }
  // Whether a platform timer is set for it now (enabled, non-zero interval, form loaded).
  bool running() const { return running_; }
  // Whether its handler is running now.
  bool firing() const { return firing_; }

  std::function<void()> on_timer;

 private:
  friend class Form;
  void OnFormLoaded();
  void OnFormUnloading();
  void OnWindowGone();
  void ResetToDesign();
  void Fire();
  void Start();
  void Stop();

  Form* form_;
  std::string name_;
  winsys::UINT design_interval_;
  winsys::UINT interval_;
  TimerState design_state_;
  bool enabled_;
  bool running_ = false;
  bool firing_ = false;
  int id_;
};

}  // namespace ui
