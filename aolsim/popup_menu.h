#pragma once
// A toolbar button's popup menu: top-level "#32768" windows the client makes itself and drives
// from the keys posted to them, without a loop of its own. It opens with no item highlighted;
// Down highlights the next item (the first when none is), skipping separators and wrapping
// round; Up the previous one; Right opens the highlighted submenu in a window of its own and
// highlights its first item; Left or Escape closes a submenu, or the whole menu at the top;
// Enter runs the highlighted command and closes the menu (on a submenu it opens it, like Right).
// Keys may be posted to any of the menu's windows.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aolsim/message_router.h"
#include "shared/winsys/window_system.h"

namespace aolsim {

struct MenuEntry {
  std::string text;  // empty for a separator
  std::function<void()> command;
  std::vector<MenuEntry> submenu;

  static MenuEntry Command(std::string text, std::function<void()> command = {});
  static MenuEntry Separator();
  static MenuEntry Submenu(std::string text, std::vector<MenuEntry> entries);
  bool IsSeparator() const { return text.empty(); }
  bool IsSubmenu() const { return !submenu.empty(); }
};

class PopupMenu {
 public:
  PopupMenu(winsys::WindowSystem& ws, MessageRouter& router, std::vector<MenuEntry> entries,
            winsys::HWND owner, winsys::Point at);
  ~PopupMenu();
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  bool IsOpen() const { return !levels_.empty(); }
  winsys::HWND window() const { return top_window_; }

 private:
  struct Level {
    const std::vector<MenuEntry>* entries = nullptr;
    int highlighted = -1;
    winsys::HWND window = winsys::kNoWindow;
  };

  winsys::HWND OpenWindow(winsys::Point at, std::size_t item_count);
  void OnKey(winsys::WPARAM key);
  void Move(int step);
  void OpenSubmenu();
  void CloseLevel();
  void CloseAll();
  void Choose();

  winsys::WindowSystem& ws_;
  MessageRouter& router_;
  std::vector<MenuEntry> entries_;
  winsys::HWND owner_;
  winsys::HWND top_window_ = winsys::kNoWindow;
  std::vector<Level> levels_;
  std::vector<winsys::HWND> windows_made_;
};

}  // namespace aolsim
