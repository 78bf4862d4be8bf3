#include "shared/ui/timer.h"

#include "shared/ui/form.h"

namespace ui {

using namespace winsys;

Timer::Timer(Form& form, std::string name, UINT interval_ms, TimerState state)
    : form_(&form),
      name_(std::move(name)),
      design_interval_(interval_ms),
      interval_(interval_ms),
      design_state_(state),
      enabled_(state == TimerState::kEnabled),
      id_(form.Adopt(*this)) {}

Timer::~Timer() {
  Stop();
  form_->Release(*this);
}

void Timer::Enable() {
  if (enabled_) return;
  enabled_ = true;
  Start();
}

void Timer::Disable() {
  enabled_ = false;
  Stop();
}

void Timer::set_interval(UINT interval_ms) {
  interval_ = interval_ms;
  Stop();
  Start();
}

void Timer::Start() {
  if (running_ || !enabled_ || interval_ == 0 || !form_->is_loaded()) return;
  running_ = form_->ws().SetTimer(form_->hwnd(), static_cast<std::uintptr_t>(id_), interval_) != 0;
}

void Timer::Stop() {
  if (!running_) return;
  running_ = false;
  if (form_->is_loaded()) form_->ws().KillTimer(form_->hwnd(), static_cast<std::uintptr_t>(id_));
}

void Timer::OnFormLoaded() {
  Start();
}

void Timer::OnFormUnloading() {
  Stop();
}

void Timer::OnWindowGone() {
  running_ = false;
}

void Timer::ResetToDesign() {
  Stop();
  interval_ = design_interval_;
  enabled_ = design_state_ == TimerState::kEnabled;
}

void Timer::Fire() {
  if (!enabled_ || firing_) return;
  firing_ = true;
  if (on_timer) on_timer();
  firing_ = false;
}

}  // namespace ui
