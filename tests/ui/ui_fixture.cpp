#include "ui/ui_fixture.h"

#include "shared/winsys/wait.h"

namespace ui::testing {

UiFixture::UiFixture() : desktop_(clock_), ws_(desktop_.CreateProcess("program")) {
  desktop_.SetWatchdog(kWatchdogSeconds);
  test_ = std::make_unique<TestForm>(ws_, registry_);
}

void UiFixture::RunFor(double seconds) {
  winsys::WaitAtLeastSeconds(ws_, seconds);
}

void UiFixture::AnswerModals(std::function<void(const winsys::sim::ModalInfo&)> act) {
  if (answerer_) {
    answerer_->set_answer(std::move(act));
  } else {
    answerer_ = std::make_unique<winsys::sim::ModalAnswerer>(desktop_, std::move(act));
  }
}

}  // namespace ui::testing
