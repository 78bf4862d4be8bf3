#include "shared/ui/menu.h"

#include <algorithm>

#include "shared/ui/form.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/names.h"

namespace ui {

using namespace winsys;

Menu::Menu(Form& form) : form_(&form) {
  form.Adopt(*this);
}

Menu::~Menu() {
  Destroy();
  form_->Release(*this);
}

MenuEntry* Menu::Find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (MenuEntry* entry : all_) {
    if (SameName(entry->name(), name)) return entry;
  }
  return nullptr;
}

MenuEntry* Menu::FindCommand(UINT command_id) const {
  if (command_id == 0) return nullptr;
  for (MenuEntry* entry : all_) {
    if (entry->command_id() == command_id) return entry;
  }
  return nullptr;
}

int Menu::Adopt(MenuEntry& entry) {
  const bool unnamed_separator = entry.is_separator() && entry.name().empty();
  if (!unnamed_separator) form_->RequireFreeName(entry.name());
  all_.push_back(&entry);
  if (entry.parent() == nullptr) top_.push_back(&entry);
  return form_->NextId();
}

void Menu::Release(MenuEntry& entry) {
  all_.erase(std::remove(all_.begin(), all_.end(), &entry), all_.end());
  top_.erase(std::remove(top_.begin(), top_.end(), &entry), top_.end());
}

void Menu::Build() {
  if (bar_ != 0 || !form_->is_loaded()) return;
  WindowSystem& ws = form_->ws();
  bar_ = ws.CreateMenu();
  for (MenuEntry* entry : top_) entry->AppendTo(bar_);
  ws.SetMenu(form_->hwnd(), bar_);
}

void Menu::Destroy() {
  if (bar_ == 0) return;
  WindowSystem& ws = form_->ws();
  // Taken off the window first, so that the window's destruction does not destroy it again.
  if (form_->is_loaded()) ws.SetMenu(form_->hwnd(), 0);
  ws.DestroyMenu(bar_);
  ForgetHandles();
}

void Menu::ForgetHandles() {
  bar_ = 0;
  for (MenuEntry* entry : all_) entry->ForgetHandles();
}

void Menu::ResetToDesign() {
  for (MenuEntry* entry : all_) entry->ResetToDesign();
}

void Menu::Dispatch(UINT command_id) {
  if (MenuEntry* entry = FindCommand(command_id)) entry->Click();
}

}  // namespace ui
