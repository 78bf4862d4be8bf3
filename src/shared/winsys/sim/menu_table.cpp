#include "shared/winsys/sim/menu_table.h"

#include <set>

namespace winsys::sim {
namespace {

constexpr int kMaxMenuDepth = 16;  // guards against a menu that holds itself
constexpr UINT kStateBits = MF_CHECKED | MF_GRAYED | MF_DISABLED;

}  // namespace

HMENU MenuTable::Create(bool popup) {
  const HMENU handle = next_handle_ += 2;
  menus_[handle].popup = popup;
  return handle;
}

bool MenuTable::Destroy(HMENU menu) {
  std::set<HMENU> doomed;
  std::vector<HMENU> pending{menu};
  while (!pending.empty()) {
    const HMENU current = pending.back();
    pending.pop_back();
    const Menu* found = Find(current);
    if (found == nullptr || !doomed.insert(current).second) continue;
    for (const MenuItem& item : found->items) {
      if (item.is_popup()) pending.push_back(item.submenu);
    }
  }
  for (HMENU handle : doomed) menus_.erase(handle);
  return !doomed.empty();
}

const Menu* MenuTable::Find(HMENU menu) const {
  const auto found = menus_.find(menu);
  return found == menus_.end() ? nullptr : &found->second;
}

MenuItem MenuTable::MakeItem(UINT flags, std::uintptr_t item, std::string_view text) {
  MenuItem made;
  made.flags = flags & (kStateBits | MF_POPUP | MF_SEPARATOR);
  if (made.is_popup()) {
    made.submenu = static_cast<HMENU>(item);
    made.command = static_cast<UINT>(item);
  } else if (!made.is_separator()) {
    made.command = static_cast<UINT>(item);
  }
  if (!made.is_separator()) made.text = std::string(text);
  return made;
}

bool MenuTable::Append(HMENU menu, UINT flags, std::uintptr_t item, std::string_view text) {
  auto found = menus_.find(menu);
  if (found == menus_.end()) return false;
  if ((flags & MF_POPUP) != 0 && Find(static_cast<HMENU>(item)) == nullptr) return false;
  found->second.items.push_back(MakeItem(flags, item, text));
  return true;
}

// As on Windows the item is replaced whole: its state comes from the new flags, so a caller that
// only changes the text passes MF_CHECKED again to keep a check mark.
bool MenuTable::Modify(HMENU menu, UINT position, UINT flags, std::uintptr_t item,
                       std::string_view text) {
  MenuItem* target = MutableItem(menu, position, flags);
  if (target == nullptr) return false;
  if ((flags & MF_POPUP) != 0 && Find(static_cast<HMENU>(item)) == nullptr) return false;
  MenuItem replacement = MakeItem(flags, item, text);
  const HMENU old_submenu = target->is_popup() ? target->submenu : 0;
  *target = std::move(replacement);
  if (old_submenu != 0 && old_submenu != target->submenu) Destroy(old_submenu);
  return true;
}

DWORD MenuTable::Check(HMENU menu, UINT item, UINT flags) {
  MenuItem* target = MutableItem(menu, item, flags);
  if (target == nullptr) return kMenuStateError;
  const DWORD previous = target->flags & MF_CHECKED;
  target->flags = (target->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}

bool MenuTable::Enable(HMENU menu, UINT item, UINT flags) {
  MenuItem* target = MutableItem(menu, item, flags);
  if (target == nullptr) return false;
  target->flags =
      (target->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return true;
}

UINT MenuTable::State(HMENU menu, UINT item, UINT flags) const {
  const MenuItem* target = Item(menu, item, flags);
  if (target == nullptr) return kMenuStateError;
  if (target->is_popup()) {
    const Menu* submenu = Find(target->submenu);
    const UINT count = submenu == nullptr ? 0 : static_cast<UINT>(submenu->items.size());
    return ((count & 0xFF) << 8) | (target->flags & 0xFF);
  }
  return target->flags;
}

HMENU MenuTable::SubMenu(HMENU menu, int position) const {
  const MenuItem* target = Item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return (target != nullptr && target->is_popup()) ? target->submenu : 0;
}

int MenuTable::ItemCount(HMENU menu) const {
  const Menu* found = Find(menu);
  return found == nullptr ? -1 : static_cast<int>(found->items.size());
}

UINT MenuTable::ItemId(HMENU menu, int position) const {
  const MenuItem* target = Item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (target == nullptr || target->is_popup()) return kMenuStateError;
  return target->command;  // 0 for a separator, as on Windows
}

std::string MenuTable::String(HMENU menu, UINT item, int max_chars, UINT flags) const {
  const MenuItem* target = Item(menu, item, flags);
  if (target == nullptr) return {};
  if (max_chars <= 0) return target->text;  // Windows then reports the whole length
  return target->text.substr(0, static_cast<std::size_t>(max_chars - 1));
}

const MenuItem* MenuTable::Item(HMENU menu, UINT item, UINT flags) const {
  return const_cast<MenuTable*>(this)->MutableItem(menu, item, flags);
}

MenuItem* MenuTable::MutableItem(HMENU menu, UINT item, UINT flags) {
  if ((flags & MF_BYPOSITION) != 0) {
    auto found = menus_.find(menu);
    if (found == menus_.end() || item >= found->second.items.size()) return nullptr;
    return &found->second.items[item];
  }
  return FindByCommand(menu, item, 0);
}

MenuItem* MenuTable::FindByCommand(HMENU menu, UINT command, int depth) {
  if (depth > kMaxMenuDepth) return nullptr;
  auto found = menus_.find(menu);
  if (found == menus_.end()) return nullptr;
  for (MenuItem& entry : found->second.items) {
    if (entry.is_popup()) {
      if (MenuItem* inner = FindByCommand(entry.submenu, command, depth + 1)) return inner;
      if (entry.command == command) return &entry;
    } else if (!entry.is_separator() && entry.command == command) {
      return &entry;
    }
  }
  return nullptr;
}

}  // namespace winsys::sim
