#pragma once
// The modal windows open on the desktop, oldest first, and those who watch them open and close.

#include <optional>
#include <vector>

#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

class ModalStack {
 public:
  void Begin(const ModalInfo& info);
  // Closes the entry of that window, if it is open, and tells the observers the answer.
  void End(HWND window, int answer);
  // Forgets the process's entries without telling anyone: the process is gone.
  void DropOf(DWORD process);

  const std::vector<ModalInfo>& open() const { return open_; }
  std::optional<ModalInfo> Top() const;
  // The newest modal of the process whose window still exists (is_window tells).
  template <typename IsWindow>
  const ModalInfo* NewestOf(DWORD process, IsWindow is_window) const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
      if (it->process == process && is_window(it->window)) return &*it;
    }
    return nullptr;
  }

  void AddObserver(DesktopObserver* observer);
  void RemoveObserver(DesktopObserver* observer);

 private:
  bool IsObserving(DesktopObserver* observer) const;

  std::vector<ModalInfo> open_;
  std::vector<DesktopObserver*> observers_;
};

}  // namespace winsys::sim
