#include "shared/winsys/sim/modal_answerer.h"

#include <utility>

namespace winsys::sim {

ModalAnswerer::ModalAnswerer(SimDesktop& desktop, Answer answer, DWORD process, Looks looks)
    : desktop_(desktop), answer_(std::move(answer)), process_(process) {
  if (looks == Looks::kWhenIdle) hook_ = desktop_.AddIdleHook([this] { AnswerNewest(); });
}

ModalAnswerer::~ModalAnswerer() {
  if (hook_) desktop_.RemoveIdleHook(*hook_);
}

bool ModalAnswerer::AnswerNewest() {
  const std::optional<ModalInfo> top = desktop_.TopModal();
  if (!top || (process_ != 0 && top->process != process_)) return false;
  if (!answered_.insert(top->window).second) return false;
  // A copy: the answer may choose another for the windows after this one.
  const Answer answer = answer_;
  answer(*top);
  return true;
}

}  // namespace winsys::sim
