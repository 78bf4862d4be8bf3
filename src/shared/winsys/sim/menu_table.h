#pragma once
// Menus of the simulated desktop. Handles are desktop-wide, as on Windows, where any process may
// read another's menu bar. Items addressed by command are searched for in submenus too.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/types.h"

namespace winsys::sim {

struct MenuItem {
  UINT flags = 0;    // MF_POPUP, MF_SEPARATOR and the state bits MF_CHECKED, MF_GRAYED, ...
  UINT command = 0;  // the command id; for a submenu item, the submenu's handle
  HMENU submenu = 0;
  std::string text;

  bool is_popup() const { return (flags & MF_POPUP) != 0; }
  bool is_separator() const { return (flags & MF_SEPARATOR) != 0; }
  bool is_enabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
};

struct Menu {
  bool popup = false;
  std::vector<MenuItem> items;
};

class MenuTable {
 public:
  HMENU Create(bool popup);
  // Destroys the menu and, as on Windows, every submenu it holds.
  bool Destroy(HMENU menu);
  const Menu* Find(HMENU menu) const;
  bool Append(HMENU menu, UINT flags, std::uintptr_t item, std::string_view text);
  bool Modify(HMENU menu, UINT position, UINT flags, std::uintptr_t item, std::string_view text);
  DWORD Check(HMENU menu, UINT item, UINT flags);
  bool Enable(HMENU menu, UINT item, UINT flags);
  UINT State(HMENU menu, UINT item, UINT flags) const;
  HMENU SubMenu(HMENU menu, int position) const;
  int ItemCount(HMENU menu) const;
  UINT ItemId(HMENU menu, int position) const;
  std::string String(HMENU menu, UINT item, int max_chars, UINT flags) const;

  // The item by position or by command (searched depth first, submenus before the item that
  // holds them, as on Windows).
  const MenuItem* Item(HMENU menu, UINT item, UINT flags) const;

 private:
  MenuItem* MutableItem(HMENU menu, UINT item, UINT flags);
  MenuItem* FindByCommand(HMENU menu, UINT command, int depth);
  static MenuItem MakeItem(UINT flags, std::uintptr_t item, std::string_view text);

  std::map<HMENU, Menu> menus_;
  HMENU next_handle_ = 0x0080'0000;
};

}  // namespace winsys::sim
