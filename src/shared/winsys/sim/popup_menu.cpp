#include "shared/winsys/sim/popup_menu.h"

#include "shared/winsys/sim/desktop_impl.h"
#include "shared/winsys/sim/popup_menu_session.h"

namespace winsys::sim {
namespace {

constexpr int kItemHeight = 18;
constexpr int kMenuWidth = 160;

}  // namespace

PopupMenuSession::PopupMenuSession(SimDesktop& desktop, WindowSystem& process, HMENU menu,
                                   HWND owner)
    : desktop_(desktop), process_(process), menu_(menu), owner_(owner) {}

PopupMenuSession::~PopupMenuSession() {
  try {
    if (!finished_) Finish(0);
  } catch (...) {
    // Nothing more can be done while unwinding; the windows are gone or will be with the desktop.
  }
}

int PopupMenuSession::Run(int x, int y) {
  if (desktop_.impl().menus().Find(menu_) == nullptr) return 0;
  if (!OpenLevel(menu_, x, y)) return 0;
  root_ = levels_.front().window;
  ModalInfo info;
  info.window = root_;
  info.owner = owner_;
  info.process = desktop_.ProcessIdOf(process_);
  info.kind = ModalKind::kPopupMenu;
  desktop_.BeginModal(info);
  modal_open_ = true;
  // Someone closing the menu window from outside cancels the menu.
  RunModalLoop(process_, [this] { return finished_ || !process_.IsWindow(root_); });
  if (!finished_) Finish(0);
  return command_;
}

bool PopupMenuSession::OpenLevel(HMENU menu, int x, int y) {
  const Menu* found = desktop_.impl().menus().Find(menu);
  const int count = found == nullptr ? 0 : static_cast<int>(found->items.size());
  CreateParams params;
  params.class_name = kPopupMenuClass;
  params.style = WS_POPUP | WS_VISIBLE;
  params.parent = levels_.empty() ? owner_ : levels_.front().window;
  params.rect = Rect{x, y, x + kMenuWidth, y + kItemHeight * (count > 0 ? count : 1)};
  const HWND window = process_.CreateWindow(params);
  if (window == kNoWindow) return false;
  desktop_.impl().RegisterPopup(window, this);
  levels_.push_back(Level{menu, window, -1});
  return true;
}

const MenuItem* PopupMenuSession::HighlightedItem(const Level& level) const {
  if (level.highlighted < 0) return nullptr;
  return desktop_.impl().menus().Item(level.menu, static_cast<UINT>(level.highlighted),
                                      MF_BYPOSITION);
}

void PopupMenuSession::MoveHighlight(Level& level, int direction) {
  const Menu* menu = desktop_.impl().menus().Find(level.menu);
  if (menu == nullptr || menu->items.empty()) return;
  const int count = static_cast<int>(menu->items.size());
  for (int step = 0; step < count; ++step) {
    int index = 0;
    if (level.highlighted < 0) {
      index = direction > 0 ? step : count - 1 - step;
    } else {
      index = ((level.highlighted + direction * (step + 1)) % count + count) % count;
    }
    const MenuItem& item = menu->items[static_cast<std::size_t>(index)];
    if (!item.is_separator() && item.is_enabled()) {
      level.highlighted = index;
      return;
    }
  }
}

void PopupMenuSession::OpenHighlightedSubmenu() {
  const Level& level = levels_.back();
  const MenuItem* item = HighlightedItem(level);
  if (item == nullptr || !item->is_popup() || !item->is_enabled()) return;
  Rect rect;
  process_.GetWindowRect(level.window, rect);
  const HMENU submenu = item->submenu;
  if (!OpenLevel(submenu, rect.right, rect.top + level.highlighted * kItemHeight)) return;
  MoveHighlight(levels_.back(), 1);
}

void PopupMenuSession::CloseDeepest() {
  const HWND window = levels_.back().window;
  levels_.pop_back();
  desktop_.impl().UnregisterPopup(window);
  process_.DestroyWindow(window);
}

void PopupMenuSession::OnKey(HWND /*popup*/, WPARAM virtual_key) {
  // The menu loop takes the keys, whichever of its windows they were sent to.
  if (finished_ || levels_.empty()) return;
  Level& level = levels_.back();
  switch (virtual_key) {
    case VK_DOWN:
      MoveHighlight(level, 1);
      break;
    case VK_UP:
      MoveHighlight(level, -1);
      break;
    case VK_RIGHT:
      OpenHighlightedSubmenu();
      break;
    case VK_LEFT:
    case VK_ESCAPE:
      if (levels_.size() > 1) {
        CloseDeepest();
      } else {
        Finish(0);
      }
      break;
    case VK_RETURN:
      if (const MenuItem* item = HighlightedItem(level)) {
        if (item->is_popup()) {
          OpenHighlightedSubmenu();
        } else if (item->is_enabled() && !item->is_separator()) {
          Finish(static_cast<int>(item->command));
        }
      }
      break;
    default:
      break;
  }
}

// A command anywhere under the clicked menu window may be chosen, so that a script need not
// open the submenus one by one.
InputResult PopupMenuSession::Choose(HWND popup, UINT command_id) {
  if (finished_) return InputResult::kNoWindow;
  const Level* clicked = nullptr;
  for (const Level& level : levels_) {
    if (level.window == popup) clicked = &level;
  }
  if (clicked == nullptr) return InputResult::kNoWindow;
  const InputResult allowed = desktop_.CanTakeInput(popup);
  if (allowed != InputResult::kDelivered) return allowed;
  const MenuItem* item = desktop_.impl().menus().Item(clicked->menu, command_id, MF_BYCOMMAND);
  if (item == nullptr || item->is_popup() || item->is_separator()) return InputResult::kNoWindow;
  if (!item->is_enabled()) return InputResult::kDisabled;
  Finish(static_cast<int>(command_id));
  return InputResult::kDelivered;
}

void PopupMenuSession::Finish(int command) {
  finished_ = true;
  command_ = command;
  for (const Level& level : levels_) desktop_.impl().UnregisterPopup(level.window);
  while (!levels_.empty()) {
    const HWND window = levels_.back().window;
    levels_.pop_back();
    process_.DestroyWindow(window);
  }
  if (modal_open_) {
    modal_open_ = false;
    desktop_.EndModal(root_, command);
  }
}

int RunPopupMenu(SimDesktop& desktop, WindowSystem& process, HMENU menu, UINT flags, int x, int y,
                 HWND owner) {
  int command = 0;
  {
    PopupMenuSession session(desktop, process, menu, owner);
    command = session.Run(x, y);
  }
  if ((flags & TPM_RETURNCMD) != 0) return command;
  if (command == 0) return 0;
  process.SendMessage(owner, WM_COMMAND, static_cast<WPARAM>(command), 0);
  return 1;
}

}  // namespace winsys::sim
