#pragma once
// The windows of the simulated desktop and their Z-order: plain data, no messages. Children are
// kept front first; top-level windows too, with the topmost ones ahead of all others. Handles
// count up and are never reused, so a stale handle never names a new window.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shared/winsys/window_system.h"

namespace winsys::sim {

struct SimWindow {
  HWND handle = kNoWindow;
  DWORD process = 0;
  std::string class_name;  // as the class was registered
  std::string class_key;   // folded, for comparisons
  std::shared_ptr<const WindowProc> procedure;
  std::string caption;
  DWORD style = 0;  // WS_VISIBLE and WS_DISABLED live here, as on Windows
  HWND parent = kNoWindow;
  HWND owner = kNoWindow;
  Rect rect;  // for a child, relative to the parent's client area; screen ones for a top level
  int control_id = 0;
  LONG_PTR user_data = 0;
  HMENU menu = 0;
  bool topmost = false;
  bool destroying = false;     // WM_DESTROY has been or is being sent
  std::vector<HWND> children;  // front first

  bool is_child() const { return (style & WS_CHILD) != 0; }
  bool visible_flag() const { return (style & WS_VISIBLE) != 0; }
  bool enabled_flag() const { return (style & WS_DISABLED) == 0; }
};

// Where a new or moved window goes among its siblings.
enum class ZPlacement { kFront, kBack };

class WindowTree {
 public:
  HWND NewHandle() { return next_handle_ += kHandleStep; }

  SimWindow* Find(HWND handle) const {
    const auto* slot = SlotOf(handle);
    return slot == nullptr ? nullptr : slot->get();
  }
  // Takes the window and links it among its parent's children (or the top-level windows).
  SimWindow& Add(std::unique_ptr<SimWindow> window, ZPlacement placement);
  // Unlinks and forgets the window (its children must already be gone).
  void Remove(HWND handle);

  const std::vector<HWND>& TopLevels() const { return top_levels_; }
  // The list the window is ordered in: its parent's children, or the top-level windows.
  std::vector<HWND>* SiblingsOf(const SimWindow& window);

  // Moves to the front of its band (the topmost windows, or the others).
  void BringToFront(HWND handle);
  void SendToBack(HWND handle);
  // Places the window right behind another sibling, keeping the topmost windows first.
  void PlaceBehind(HWND handle, HWND sibling);
  void SetTopmost(HWND handle, bool topmost);

  // The top-level window a window belongs to (itself when it is top-level).
  HWND RootOf(HWND handle) const;
  // True when ancestor is window itself or reached from it through parents and owners.
  bool IsWithin(HWND window, HWND ancestor) const;
  std::size_t size() const { return live_windows_; }

 private:
  std::size_t FrontOfBand(const std::vector<HWND>& siblings, bool topmost) const;
  void Unlink(std::vector<HWND>& siblings, HWND handle);

  static constexpr HWND kFirstHandle = 0x0001'0000;
  static constexpr HWND kHandleStep = 2;
  // Where the window with this handle is kept, or nothing for a handle never given out.
  std::unique_ptr<SimWindow>* SlotOf(HWND handle) const {
    const std::size_t slot = SlotIndex(handle);
    return slot < windows_.size() ? &windows_[slot] : nullptr;
  }
  // The slot of a handle NewHandle gave out; past every slot for any other handle (below the
  // first one the difference wraps round).
  static std::size_t SlotIndex(HWND handle) {
    const HWND from_first = handle - (kFirstHandle + kHandleStep);
    return from_first % kHandleStep != 0 ? static_cast<std::size_t>(-1) : from_first / kHandleStep;
  }

  // Indexed by handle: every handle comes from NewHandle, in steps from the first, and finding a
  // window by its handle is the desktop's most frequent work. A slot is a pointer, so a day's
  // hundred thousand windows cost under a megabyte.
  mutable std::vector<std::unique_ptr<SimWindow>> windows_;
  std::size_t live_windows_ = 0;
  std::vector<HWND> top_levels_;
  HWND next_handle_ = kFirstHandle;
};

}  // namespace winsys::sim
