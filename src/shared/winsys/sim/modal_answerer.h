#pragma once
// Answers each modal window once, the moment it is the newest one open, as a person answers a
// dialog once it is on the screen: the one way the tests and the scenario runner answer the
// desktop's message boxes, input boxes, file dialogs and popup menus.

#include <functional>
#include <optional>
#include <set>

#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

class ModalAnswerer {
 public:
  using Answer = std::function<void(const ModalInfo&)>;
  // When the answerer looks: from an idle hook of its own, or when its owner asks (from a hook
  // that must do other things in an order of its own).
  enum class Looks { kWhenIdle, kWhenAsked };

  // answer is called once for each modal window of the process given (of any when 0).
  ModalAnswerer(SimDesktop& desktop, Answer answer, DWORD process = 0,
                Looks looks = Looks::kWhenIdle);
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  // Answers the newest modal window if it was not answered before; true when it did.
  bool AnswerNewest();
  // The windows opened from now on are answered so; those answered before stay answered.
  void set_answer(Answer answer) { answer_ = std::move(answer); }

 private:
  SimDesktop& desktop_;
  Answer answer_;
  DWORD process_;
  std::set<HWND> answered_;
  std::optional<int> hook_;
};

}  // namespace winsys::sim
