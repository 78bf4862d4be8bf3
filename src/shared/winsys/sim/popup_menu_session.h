#pragma once
// One open popup menu: its "#32768" windows (the menu and any submenus opened from it), which
// item of each is highlighted, and the command chosen. Lives for one TrackPopupMenu call.

#include <vector>

#include "shared/winsys/sim/menu_table.h"
#include "shared/winsys/sim/popup_menu_handler.h"
#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

class PopupMenuSession : public PopupMenuHandler {
 public:
  PopupMenuSession(SimDesktop& desktop, WindowSystem& process, HMENU menu, HWND owner);
  // Closes whatever is still open, also when a watchdog or an error unwinds the loop.
  ~PopupMenuSession() override;
  PopupMenuSession(const PopupMenuSession&) = delete;
  PopupMenuSession& operator=(const PopupMenuSession&) = delete;

  // Shows the menu at (x, y), runs the modal loop and answers the chosen command (0: none).
  int Run(int x, int y);

  void OnKey(HWND popup, WPARAM virtual_key) override;
  InputResult Choose(HWND popup, UINT command_id) override;

 private:
  struct Level {
    HMENU menu = 0;
    HWND window = kNoWindow;
    int highlighted = -1;  // no item
  };

  bool OpenLevel(HMENU menu, int x, int y);
  void OpenHighlightedSubmenu();
  void CloseDeepest();
  void Finish(int command);
  // Moves the highlight to the next (direction 1) or previous (-1) item that can be chosen,
  // going round at the ends.
  void MoveHighlight(Level& level, int direction);
  const MenuItem* HighlightedItem(const Level& level) const;

  SimDesktop& desktop_;
  WindowSystem& process_;
  HMENU menu_;
  HWND owner_;
  HWND root_ = kNoWindow;
  std::vector<Level> levels_;
  bool finished_ = false;
  bool modal_open_ = false;
  int command_ = 0;
};

}  // namespace winsys::sim
