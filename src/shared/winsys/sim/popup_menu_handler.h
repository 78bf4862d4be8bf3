#pragma once
// What the desktop asks of an open popup menu: the "#32768" window's keys and a person's click
// on one of its items arrive here.

#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

class PopupMenuHandler {
 public:
  virtual ~PopupMenuHandler() = default;
  virtual void OnKey(HWND popup, WPARAM virtual_key) = 0;
  virtual InputResult Choose(HWND popup, UINT command_id) = 0;
};

}  // namespace winsys::sim
