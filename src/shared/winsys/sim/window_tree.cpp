#include "shared/winsys/sim/window_tree.h"

#include <algorithm>

namespace winsys::sim {

SimWindow& WindowTree::Add(std::unique_ptr<SimWindow> window, ZPlacement placement) {
  SimWindow& added = *window;
  const std::size_t slot = SlotIndex(added.handle);
  if (slot >= windows_.size()) windows_.resize(slot + 1);
  windows_[slot] = std::move(window);
  ++live_windows_;
  std::vector<HWND>* siblings = SiblingsOf(added);
  if (placement == ZPlacement::kFront) {
    siblings->insert(
        siblings->begin() + static_cast<std::ptrdiff_t>(FrontOfBand(*siblings, added.topmost)),
        added.handle);
  } else {
    siblings->push_back(added.handle);
  }
  return added;
}

void WindowTree::Remove(HWND handle) {
  SimWindow* window = Find(handle);
  if (window == nullptr) return;
  Unlink(*SiblingsOf(*window), handle);
  SlotOf(handle)->reset();
  --live_windows_;
}

std::vector<HWND>* WindowTree::SiblingsOf(const SimWindow& window) {
  if (window.is_child()) {
    SimWindow* parent = Find(window.parent);
    if (parent != nullptr) return &parent->children;
  }
  return &top_levels_;
}

void WindowTree::BringToFront(HWND handle) {
  SimWindow* window = Find(handle);
  if (window == nullptr) return;
  std::vector<HWND>& siblings = *SiblingsOf(*window);
  Unlink(siblings, handle);
  siblings.insert(
      siblings.begin() + static_cast<std::ptrdiff_t>(FrontOfBand(siblings, window->topmost)),
      handle);
}

void WindowTree::SendToBack(HWND handle) {
  SimWindow* window = Find(handle);
  if (window == nullptr) return;
  // At the bottom a topmost window stops being topmost, as on Windows.
  window->topmost = false;
  std::vector<HWND>& siblings = *SiblingsOf(*window);
  Unlink(siblings, handle);
  siblings.push_back(handle);
}

void WindowTree::PlaceBehind(HWND handle, HWND sibling) {
  SimWindow* window = Find(handle);
  SimWindow* other = Find(sibling);
  if (window == nullptr || other == nullptr || handle == sibling) return;
  std::vector<HWND>& siblings = *SiblingsOf(*window);
  if (SiblingsOf(*other) != &siblings) return;
  if (!other->topmost) window->topmost = false;
  Unlink(siblings, handle);
  auto position = std::find(siblings.begin(), siblings.end(), sibling) + 1;
  // A plain window never goes ahead of the last topmost one.
  const auto band_start =
      siblings.begin() + static_cast<std::ptrdiff_t>(FrontOfBand(siblings, window->topmost));
  if (position < band_start) position = band_start;
  siblings.insert(position, handle);
}

void WindowTree::SetTopmost(HWND handle, bool topmost) {
  SimWindow* window = Find(handle);
  if (window == nullptr) return;
  window->topmost = topmost;
  BringToFront(handle);
}

HWND WindowTree::RootOf(HWND handle) const {
  const SimWindow* window = Find(handle);
  while (window != nullptr && window->is_child()) {
    const SimWindow* parent = Find(window->parent);
    if (parent == nullptr) break;
    window = parent;
  }
  return window == nullptr ? kNoWindow : window->handle;
}

bool WindowTree::IsWithin(HWND window, HWND ancestor) const {
  // Owner chains can only point at existing windows and never loop (an owner is always older),
  // but bound the walk anyway.
  const SimWindow* current = Find(window);
  for (std::size_t steps = 0; current != nullptr && steps <= live_windows_; ++steps) {
    if (current->handle == ancestor) return true;
    current = Find(current->is_child() ? current->parent : current->owner);
  }
  return false;
}

std::size_t WindowTree::FrontOfBand(const std::vector<HWND>& siblings, bool topmost) const {
  if (topmost) return 0;
  std::size_t index = 0;
  while (index < siblings.size()) {
    const SimWindow* sibling = Find(siblings[index]);
    if (sibling == nullptr || !sibling->topmost) break;
    ++index;
  }
  return index;
}

void WindowTree::Unlink(std::vector<HWND>& siblings, HWND handle) {
  const auto found = std::find(siblings.begin(), siblings.end(), handle);
  if (found != siblings.end()) siblings.erase(found);
}

}  // namespace winsys::sim
