#include "aolsim/popup_menu.h"

#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kItemHeight = 18;
constexpr int kMenuWidth = 180;

}  // namespace

MenuEntry MenuEntry::Command(std::string text, std::function<void()> command) {
  return MenuEntry{std::move(text), std::move(command), {}};
}

MenuEntry MenuEntry::Separator() {
  return MenuEntry{};
}

MenuEntry MenuEntry::Submenu(std::string text, std::vector<MenuEntry> entries) {
  return MenuEntry{std::move(text), {}, std::move(entries)};
}

PopupMenu::PopupMenu(winsys::WindowSystem& ws, MessageRouter& router,
                     std::vector<MenuEntry> entries, HWND owner, winsys::Point at)
    : ws_(ws), router_(router), entries_(std::move(entries)), owner_(owner) {
  top_window_ = OpenWindow(at, entries_.size());
  levels_.push_back(Level{&entries_, -1, top_window_});
}

PopupMenu::~PopupMenu() {
  for (const HWND window : windows_made_) router_.Detach(window);
  CloseAll();
  for (const HWND window : windows_made_) router_.Detach(window);
}

HWND PopupMenu::OpenWindow(winsys::Point at, std::size_t item_count) {
  winsys::CreateParams params;
  params.class_name = classes::kPopupMenu;
  params.style = winsys::WS_POPUP | winsys::WS_VISIBLE | winsys::WS_BORDER;
  params.parent = owner_;
  const int height = kItemHeight * static_cast<int>(item_count);
  params.rect = winsys::Rect{at.x, at.y, at.x + kMenuWidth, at.y + height};
  const HWND window = ws_.CreateWindow(params);
  windows_made_.push_back(window);
  router_.Attach(
      window,
      [this](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) -> LRESULT {
        if (m == winsys::WM_KEYDOWN) {
          OnKey(w);
          return 0;
        }
        if (m == winsys::WM_KEYUP || m == winsys::WM_CHAR) return 0;
        return next(h, m, w, l);
      });
  return window;
}

void PopupMenu::OnKey(WPARAM key) {
  if (levels_.empty()) return;
  switch (key) {
    case winsys::VK_DOWN:
      Move(+1);
      break;
    case winsys::VK_UP:
      Move(-1);
      break;
    case winsys::VK_RIGHT:
      OpenSubmenu();
      break;
    case winsys::VK_LEFT:
    case winsys::VK_ESCAPE:
      CloseLevel();
      break;
    case winsys::VK_RETURN:
      Choose();
      break;
    default:
      break;
  }
}

void PopupMenu::Move(int step) {
  Level& level = levels_.back();
  const int count = static_cast<int>(level.entries->size());
  if (count == 0) return;
  int index = level.highlighted;
  if (index < 0) index = step > 0 ? -1 : count;
  for (int tries = 0; tries < count; ++tries) {
    index = ((index + step) % count + count) % count;
    if (!(*level.entries)[static_cast<std::size_t>(index)].IsSeparator()) {
      level.highlighted = index;
      return;
    }
  }
}

void PopupMenu::OpenSubmenu() {
  const Level& level = levels_.back();
  if (level.highlighted < 0) return;
  const MenuEntry& entry = (*level.entries)[static_cast<std::size_t>(level.highlighted)];
  if (!entry.IsSubmenu()) return;
  winsys::Rect parent_rect;
  ws_.GetWindowRect(level.window, parent_rect);
  const HWND window = OpenWindow(
      winsys::Point{parent_rect.right, parent_rect.top + kItemHeight * level.highlighted},
      entry.submenu.size());
  levels_.push_back(Level{&entry.submenu, -1, window});
  Move(+1);
}

void PopupMenu::CloseLevel() {
  if (levels_.size() == 1) {
    CloseAll();
    return;
  }
  ws_.DestroyWindow(levels_.back().window);
  levels_.pop_back();
}

void PopupMenu::CloseAll() {
  while (!levels_.empty()) {
    const HWND window = levels_.back().window;
    levels_.pop_back();
    if (ws_.IsWindow(window)) ws_.DestroyWindow(window);
  }
}

void PopupMenu::Choose() {
  const Level& level = levels_.back();
  if (level.highlighted < 0) return;
  const MenuEntry& entry = (*level.entries)[static_cast<std::size_t>(level.highlighted)];
  if (entry.IsSubmenu()) {
    OpenSubmenu();
    return;
  }
  const std::function<void()> command = entry.command;
  CloseAll();
  if (command) command();
}

}  // namespace aolsim
