#include "shared/ui/menu_entry.h"

#include <algorithm>

#include "shared/ui/form.h"
#include "shared/ui/menu.h"
#include "shared/ui/twips.h"

namespace ui {

using namespace winsys;

MenuEntry::MenuEntry(Menu& menu, std::string name, std::string caption, MenuCheck check,
                     MenuState state)
    : MenuEntry(menu, nullptr, std::move(name), std::move(caption), check, state) {}

MenuEntry::MenuEntry(MenuEntry& parent, std::string name, std::string caption, MenuCheck check,
                     MenuState state)
    : MenuEntry(*parent.menu_, &parent, std::move(name), std::move(caption), check, state) {}

MenuEntry::MenuEntry(Menu& menu, MenuEntry* parent, std::string name, std::string caption,
                     MenuCheck check, MenuState state)
    : menu_(&menu),
      parent_(parent),
      name_(std::move(name)),
      design_caption_(caption),
      caption_(std::move(caption)),
      design_check_(check),
      design_state_(state),
      checked_(check == MenuCheck::kChecked),
      enabled_(state == MenuState::kEnabled),
      command_id_(menu.Adopt(*this)) {
  if (parent_ != nullptr) parent_->entries_.push_back(this);
}

MenuEntry::~MenuEntry() {
  if (parent_ != nullptr) {
    auto& siblings = parent_->entries_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  menu_->Release(*this);
}

Form& MenuEntry::form() const {
  return menu_->form();
}

UINT MenuEntry::command_id() const {
  if (has_submenu() || is_separator()) return 0;
  return static_cast<UINT>(command_id_);
}

int MenuEntry::position() const {
  const auto& siblings = parent_ != nullptr ? parent_->entries_ : menu_->entries();
  const auto found = std::find(siblings.begin(), siblings.end(), this);
  return static_cast<int>(found - siblings.begin());
}

std::vector<int> MenuEntry::path() const {
  std::vector<int> positions;
  for (const MenuEntry* entry = this; entry != nullptr; entry = entry->parent_) {
    positions.push_back(entry->position());
  }
  std::reverse(positions.begin(), positions.end());
  return positions;
}

UINT MenuEntry::StateFlags() const {
  return (checked_ ? MF_CHECKED : MF_UNCHECKED) | (enabled_ ? MF_ENABLED : MF_GRAYED);
}

void MenuEntry::AppendTo(HMENU parent_menu) {
  WindowSystem& ws = form().ws();
  containing_ = parent_menu;
  if (is_separator()) {
    ws.AppendMenu(parent_menu, MF_SEPARATOR, 0, "");
  } else if (has_submenu()) {
    submenu_ = ws.CreatePopupMenu();
    for (MenuEntry* entry : entries_) entry->AppendTo(submenu_);
    ws.AppendMenu(parent_menu, MF_POPUP | StateFlags(), submenu_, caption_);
  } else {
    ws.AppendMenu(parent_menu, MF_STRING | StateFlags(), command_id(), caption_);
  }
}

void MenuEntry::ForgetHandles() {
  containing_ = 0;
  submenu_ = 0;
}

void MenuEntry::ResetToDesign() {
  caption_ = design_caption_;
  checked_ = design_check_ == MenuCheck::kChecked;
  enabled_ = design_state_ == MenuState::kEnabled;
}

void MenuEntry::set_caption(std::string caption) {
  caption_ = std::move(caption);
  if (containing_ == 0 || is_separator()) return;
  const UINT kind = has_submenu() ? MF_POPUP : MF_STRING;
  const std::uintptr_t item = has_submenu() ? submenu_ : command_id();
  form().ws().ModifyMenu(containing_, static_cast<UINT>(position()),
                         MF_BYPOSITION | kind | StateFlags(), item, caption_);
  // Some menus keep an item's state through a text change and some take it from the flags;
  // setting it again makes both agree with the entry.
  ApplyState();
}

void MenuEntry::Check() {
  checked_ = true;
  ApplyState();
}

void MenuEntry::Uncheck() {
  checked_ = false;
  ApplyState();
}

void MenuEntry::Enable() {
  enabled_ = true;
  ApplyState();
}

void MenuEntry::Disable() {
  enabled_ = false;
  ApplyState();
}

void MenuEntry::ApplyState() {
  if (containing_ == 0) return;
  WindowSystem& ws = form().ws();
  const auto at = static_cast<UINT>(position());
  ws.CheckMenuItem(containing_, at, MF_BYPOSITION | (checked_ ? MF_CHECKED : MF_UNCHECKED));
  ws.EnableMenuItem(containing_, at, MF_BYPOSITION | (enabled_ ? MF_ENABLED : MF_GRAYED));
}

MenuEntry* MenuEntry::Popup(Form& where, int x_twips, int y_twips) {
  Form& owner_form = form();
  owner_form.Load();
  if (submenu_ == 0) return nullptr;
  WindowSystem& ws = owner_form.ws();
  // The place is given in the client coordinates of the form it opens over.
  Point origin;
  HWND owner = owner_form.hwnd();
  if (where.is_loaded()) {
    origin = where.ClientOriginOnScreen();
    owner = where.hwnd();
  }
  const int chosen =
      ws.TrackPopupMenu(submenu_, TPM_LEFTALIGN | TPM_RETURNCMD, origin.x + TwipsToPixels(x_twips),
                        origin.y + TwipsToPixels(y_twips), owner);
  if (chosen <= 0) return nullptr;
  const auto command = static_cast<UINT>(chosen);
  MenuEntry* entry = menu_->FindCommand(command);
  // Through the form's window, so the choice is one message like any other menu command.
  if (owner_form.is_loaded()) {
    ws.SendMessage(owner_form.hwnd(), WM_COMMAND, MakeWParam(command, 0), 0);
  }
  return entry;
}

void MenuEntry::Click() {
  if (enabled_ && on_click) on_click();
}

}  // namespace ui
