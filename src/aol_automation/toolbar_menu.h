#pragma once
// Running the client's commands: through a toolbar button's popup menu, through the main
// window's menu bar, and through the address box.

#include <optional>
#include <string>
#include <string_view>

#include "aol_automation/wait_bounds.h"

namespace vornik32 {

enum class Submenu { kStay, kEnter };

// Clicks toolbar button `button` (from 1), and once its popup menu shows, presses Down `downs`
// times, then (with Submenu::kEnter) Right and Down until item `submenu_item` (from 1) of the
// submenu, then Enter. The mouse cursor waits in the screen's far corner meanwhile and is put
// back afterwards, also when the popup never shows.
Outcome RunToolbarMenu(winsys::WindowSystem& ws, int button, int downs, Submenu submenu,
                       int submenu_item, const WaitBounds& bounds = {});

// An item of the menu bar: its command, the menu (from 0, left to right), its place in that menu
// (from 0) and its text.
struct MenuBarItem {
  winsys::UINT command;
  int menu;
  int item;
  std::string text;
};
// The first item of the menu bar's menus (not of deeper submenus) whose text holds the given text
// without regard to case; ampersands count as characters.
std::optional<MenuBarItem> FindMenuItem(winsys::WindowSystem& ws, std::string_view text);
// Runs the first item of the menu bar's menus (not of deeper submenus) whose text holds the given
// text without regard to case; ampersands count as characters. Nothing happens when none does.
void RunMenuItem(winsys::WindowSystem& ws, std::string_view text);

// Types the keyword or web address into the toolbar's address box and presses Enter.
void GoToAddress(winsys::WindowSystem& ws, std::string_view address);

}  // namespace vornik32
