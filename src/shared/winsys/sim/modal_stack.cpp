#include "shared/winsys/sim/modal_stack.h"

#include <algorithm>

namespace winsys::sim {

void ModalStack::Begin(const ModalInfo& info) {
  open_.push_back(info);
  // An observer may remove itself or others while it is told; tell only those still there.
  const std::vector<DesktopObserver*> observers = observers_;
  for (DesktopObserver* observer : observers) {
    if (IsObserving(observer)) observer->OnModalOpened(info);
  }
}

void ModalStack::End(HWND window, int answer) {
  const auto found = std::find_if(open_.begin(), open_.end(), [window](const ModalInfo& info) {
    return info.window == window;
  });
  if (found == open_.end()) return;
  const ModalInfo info = *found;
  open_.erase(found);
  const std::vector<DesktopObserver*> observers = observers_;
  for (DesktopObserver* observer : observers) {
    if (IsObserving(observer)) observer->OnModalClosed(info, answer);
  }
}

void ModalStack::DropOf(DWORD process) {
  std::erase_if(open_, [process](const ModalInfo& info) { return info.process == process; });
}

std::optional<ModalInfo> ModalStack::Top() const {
  if (open_.empty()) return std::nullopt;
  return open_.back();
}

void ModalStack::AddObserver(DesktopObserver* observer) {
  if (observer != nullptr && !IsObserving(observer)) observers_.push_back(observer);
}

void ModalStack::RemoveObserver(DesktopObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

bool ModalStack::IsObserving(DesktopObserver* observer) const {
  return std::find(observers_.begin(), observers_.end(), observer) != observers_.end();
}

}  // namespace winsys::sim
