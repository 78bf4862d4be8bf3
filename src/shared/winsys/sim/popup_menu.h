#pragma once
// The popup menu window "#32768" that TrackPopupMenu shows on the simulated desktop. It opens
// with no item highlighted; VK_DOWN highlights the next enabled item that is not a separator
// (the first, when none is highlighted), VK_UP the previous one, VK_RIGHT opens the highlighted
// submenu and highlights its first item, VK_LEFT or VK_ESCAPE closes a submenu (or cancels at the
// top), VK_RETURN chooses the highlighted command. Keys arrive as posted WM_KEYDOWN messages.

#include "shared/winsys/sim/sim_desktop.h"

namespace winsys::sim {

int RunPopupMenu(SimDesktop& desktop, WindowSystem& process, HMENU menu, UINT flags, int x, int y,
                 HWND owner);

}  // namespace winsys::sim
