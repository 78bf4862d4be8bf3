#include "shared/winsys/sim/hung_processes.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace winsys::sim {
namespace {

// Messages whose lParam is a text the receiver reads.
bool CarriesText(UINT message) {
  switch (message) {
    case WM_SETTEXT:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_FINDSTRINGEXACT:
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
      return true;
    default:
      return false;
  }
}

// Messages whose lParam is a buffer the receiver writes, and how large the copy must be. An
// item's text has no size in the message: the copy is as large as any item the desktop keeps.
std::size_t AnswerBufferSize(UINT message, WPARAM wparam) {
  constexpr std::size_t kLargestItem = 1 << 16;
  switch (message) {
    case WM_GETTEXT:
      return static_cast<std::size_t>(wparam);
    case LB_GETTEXT:
    case CB_GETLBTEXT:
      return kLargestItem;
    default:
      return 0;
  }
}

}  // namespace

void HungProcesses::Hang(DWORD process, double now, double until) {
  const auto found = hangs_.find(process);
  if (found != hangs_.end() && found->second.until > now) {
    found->second.until = std::max(found->second.until, until);
    return;
  }
  hangs_[process] = Spell{now, until};
}

const HungProcesses::Spell* HungProcesses::Find(DWORD process, double now) const {
  const auto found = hangs_.find(process);
  if (found == hangs_.end() || found->second.until <= now) return nullptr;
  return &found->second;
}

bool HungProcesses::IsHung(DWORD process, double now) const {
  return Find(process, now) != nullptr;
}

bool HungProcesses::CountsAsHung(DWORD process, double now) const {
  const Spell* hang = Find(process, now);
  return hang != nullptr && now - hang->since > kHungAfter;
}

double HungProcesses::WakeTime(DWORD process, double now) const {
  const Spell* hang = Find(process, now);
  return hang == nullptr ? kNever : hang->until;
}

double HungProcesses::NextWake(double now) const {
  double next = kNever;
  for (const auto& entry : hangs_) {
    if (entry.second.until > now) next = std::min(next, entry.second.until);
  }
  return next;
}

void HungProcesses::Hold(DWORD process, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  HeldSend held{process, window, message, wparam, lparam, nullptr};
  if (lparam != 0 && CarriesText(message)) {
    const char* text = reinterpret_cast<const char*>(lparam);
    held.copy = std::make_shared<std::vector<char>>(text, text + std::strlen(text) + 1);
  } else if (const std::size_t size = AnswerBufferSize(message, wparam); lparam != 0 && size > 0) {
    held.copy = std::make_shared<std::vector<char>>(size, '\0');
  }
  if (held.copy) held.lparam = reinterpret_cast<LPARAM>(held.copy->data());
  held_.push_back(std::move(held));
}

bool HungProcesses::AnyWoken(double now) const {
  return std::any_of(held_.begin(), held_.end(),
                     [&](const HeldSend& held) { return !IsHung(held.process, now); });
}

std::vector<HeldSend> HungProcesses::TakeWoken(double now) {
  std::vector<HeldSend> woken;
  for (auto it = held_.begin(); it != held_.end();) {
    if (IsHung(it->process, now)) {
      ++it;
      continue;
    }
    woken.push_back(std::move(*it));
    it = held_.erase(it);
  }
  return woken;
}

}  // namespace winsys::sim
