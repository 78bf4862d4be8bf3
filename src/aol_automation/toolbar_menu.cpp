#include "aol_automation/toolbar_menu.h"

#include <string>

#include "aol_automation/client_windows.h"
#include "aol_automation/text_case.h"
#include "aol_automation/window_operations.h"

namespace vornik32 {
namespace {

using winsys::kNoWindow;

constexpr int kTwipsPerPixel = 15;
constexpr int kMenuTextBuffer = 100;
constexpr char kBlank = 32;
constexpr char kEnter = 13;
constexpr winsys::UINT kSubmenuEntry = static_cast<winsys::UINT>(-1);  // GetMenuItemID's answer

// The point whose coordinates are the screen's size in twips: far beyond the bottom-right
// corner, so the cursor rests in that corner, away from the menu, where the user's own mouse
// cannot highlight an item under it. The cursor is moved on every desktop alike: on the
// simulated one it is harmless, and one path for both keeps what is tested what runs.
void ParkCursor(winsys::WindowSystem& ws) {
  ws.SetCursorPos(ws.GetSystemMetrics(winsys::SM_CXSCREEN) * kTwipsPerPixel,
                  ws.GetSystemMetrics(winsys::SM_CYSCREEN) * kTwipsPerPixel);
}

void BringClientToFront(winsys::WindowSystem& ws) {
  const HWND main = MainWindow(ws);
  if (main == kNoWindow) return;
  // The stored caption: a client that is busy still has it, where a message would wait.
  const std::string caption = ws.GetWindowText(main);
  const HWND front = ws.FindWindow(nullptr, caption.c_str());
  if (front != kNoWindow) ws.SetForegroundWindow(front);
}

HWND VisiblePopupMenu(winsys::WindowSystem& ws) {
  const HWND popup = ws.FindWindow(kPopupMenuClass, nullptr);
  return ws.IsWindowVisible(popup) ? popup : kNoWindow;
}

void PressKeys(winsys::WindowSystem& ws, HWND popup, winsys::WPARAM key, int times) {
  for (int i = 0; i < times; ++i) PostKey(ws, popup, key);
}

}  // namespace

Outcome RunToolbarMenu(winsys::WindowSystem& ws, int button, int downs, Submenu submenu,
                       int submenu_item, const WaitBounds& bounds) {
  const winsys::Point cursor = ws.GetCursorPos();
  ParkCursor(ws);
  BringClientToFront(ws);
  PostClick(ws, ToolbarButton(ws, button));
  HWND popup = kNoWindow;
  const Outcome shown = RepeatUntil(ws, bounds.popup_menu, [&] {
    YieldBriefly(ws);
    popup = VisiblePopupMenu(ws);
    return popup != kNoWindow;
  });
  if (shown == Outcome::kDone) {
    PressKeys(ws, popup, winsys::VK_DOWN, downs);
    if (submenu == Submenu::kEnter) {
      PostKey(ws, popup, winsys::VK_RIGHT);
      PressKeys(ws, popup, winsys::VK_DOWN, submenu_item - 1);
    }
    PostKey(ws, popup, winsys::VK_RETURN);
  }
  ws.SetCursorPos(cursor.x, cursor.y);
  return shown;
}

std::optional<MenuBarItem> FindMenuItem(winsys::WindowSystem& ws, std::string_view text) {
  const HWND main = MainWindow(ws);
  if (main == kNoWindow) return std::nullopt;
  const winsys::HMENU bar = ws.GetMenu(main);
  if (bar == 0) return std::nullopt;
  const std::string wanted = LowerCase(text);
  const int menus = ws.GetMenuItemCount(bar);
  for (int m = 0; m < menus; ++m) {
    const winsys::HMENU menu = ws.GetSubMenu(bar, m);
    if (menu == 0) continue;
    const int items = ws.GetMenuItemCount(menu);
    for (int i = 0; i < items; ++i) {
      const winsys::UINT command = ws.GetMenuItemID(menu, i);
      if (command == kSubmenuEntry) continue;  // deeper submenus are not searched
      std::string item_text =
          ws.GetMenuString(menu, command, kMenuTextBuffer, winsys::MF_BYCOMMAND);
      if (LowerCase(item_text).find(wanted) != std::string::npos) {
        return MenuBarItem{command, m, i, std::move(item_text)};
      }
    }
  }
  return std::nullopt;
}

void RunMenuItem(winsys::WindowSystem& ws, std::string_view text) {
  if (const auto item = FindMenuItem(ws, text)) {
    ws.SendMessage(MainWindow(ws), winsys::WM_COMMAND, item->command, 0);
  }
}

void GoToAddress(winsys::WindowSystem& ws, std::string_view address) {
  const HWND box =
      FirstChild(ws, FirstChild(ws, ToolbarStrip(ws), kComboboxClass), kPlainEditClass);
  SetWindowTextByMessage(ws, box, address);
  ws.SendMessage(box, winsys::WM_CHAR, kBlank, 0);
  ws.SendMessage(box, winsys::WM_CHAR, kEnter, 0);
}

}  // namespace vornik32
