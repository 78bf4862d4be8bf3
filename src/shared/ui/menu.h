#pragma once
// A form's menu bar and the tree of entries below it. The entries are MenuEntry objects that
// name the menu (top-level entries) or another entry (the entries of its submenu), in menu order:
//
//   ui::Menu menu{form};
//   ui::MenuEntry optionsMenu{menu, "optionsMenu", "options"};
//   ui::MenuEntry Settings{optionsMenu, "settingsmenu", "Settings"};
//   ui::MenuEntry handle{Settings, "handle", "Serving Handle:  [Screenname]"};
//
// The platform menus are built when the form loads (the bar is set on the form's window) and
// destroyed when it unloads; captions, check marks and enabled states live in the entries, so
// they can be read and set at any time. A chosen command arrives at the form as WM_COMMAND with
// the entry's command id and fires the entry's on_click.

#include <string_view>
#include <vector>

#include "shared/winsys/types.h"

namespace ui {

class Form;
class MenuEntry;

class Menu {
 public:
  explicit Menu(Form& form);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  ~Menu();

  Form& form() const { return *form_; }
  // The menu bar; 0 while the form is not loaded.
  winsys::HMENU handle() const { return bar_; }
  // The entries of the bar, in order.
  const std::vector<MenuEntry*>& entries() const { return top_; }
  // Every entry at any depth, in the order they were declared.
  const std::vector<MenuEntry*>& all_entries() const { return all_; }
  // An entry at any depth by design name (any letter case); nullptr when there is none.
  MenuEntry* Find(std::string_view name) const;
  // The entry whose command this is; nullptr for none.
  MenuEntry* FindCommand(winsys::UINT command_id) const;

 private:
  friend class Form;
  friend class MenuEntry;
  int Adopt(MenuEntry& entry);
  void Release(MenuEntry& entry);
  void Build();
  void Destroy();
  void ForgetHandles();
  void ResetToDesign();
  void Dispatch(winsys::UINT command_id);

  Form* form_;
  winsys::HMENU bar_ = 0;
  std::vector<MenuEntry*> top_;
  std::vector<MenuEntry*> all_;
};

}  // namespace ui
