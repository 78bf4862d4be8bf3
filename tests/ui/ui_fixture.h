#pragma once
// A simulated desktop on a virtual clock with the program's process, a registry and the test
// form, for the tests of the control kit.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "shared/ui/registry.h"
#include "shared/winsys/sim/modal_answerer.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/virtual_clock.h"
#include "ui/test_form.h"

namespace ui::testing {

class UiFixture : public ::testing::Test {
 protected:
  static constexpr double kWatchdogSeconds = 3600;

  UiFixture();

  // Lets virtual time pass while the message loop runs.
  void RunFor(double seconds);
  // Calls act once for each modal window that opens, from an idle hook, as a person answers a
  // dialog once it is on the screen. Replaces the previous act.
  void AnswerModals(std::function<void(const winsys::sim::ModalInfo&)> act);
  // A child of dialog by control id.
  winsys::HWND DialogItem(winsys::HWND dialog, int control_id) {
    return ws_.GetDlgItem(dialog, control_id);
  }

  winsys::sim::VirtualClock clock_;
  winsys::sim::SimDesktop desktop_;
  winsys::WindowSystem& ws_;
  Registry registry_;
  std::unique_ptr<TestForm> test_;

 private:
  std::unique_ptr<winsys::sim::ModalAnswerer> answerer_;
};

}  // namespace ui::testing
