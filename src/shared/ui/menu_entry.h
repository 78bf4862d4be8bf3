#pragma once
// One entry of a form's menu: a command, a submenu (an entry other entries name as their parent)
// or a separator (caption "-", as in the form designer; a separator may have an empty name).
// Settings kept in captions and check marks are read and written here at any time; the platform
// menu follows while the form is loaded.

#include <functional>
#include <string>
#include <vector>

#include "shared/ui/element.h"
#include "shared/winsys/types.h"

namespace ui {

class Menu;

enum class MenuCheck { kUnchecked, kChecked };
enum class MenuState { kEnabled, kDisabled };

inline constexpr char kSeparatorCaption[] = "-";

class MenuEntry : public Element {
 public:
  // An entry of the menu bar.
  MenuEntry(Menu& menu, std::string name, std::string caption,
            MenuCheck check = MenuCheck::kUnchecked, MenuState state = MenuState::kEnabled);
  // An entry of parent's submenu.
  MenuEntry(MenuEntry& parent, std::string name, std::string caption,
            MenuCheck check = MenuCheck::kUnchecked, MenuState state = MenuState::kEnabled);
  ~MenuEntry() override;

  const std::string& name() const override { return name_; }
  Kind kind() const override { return Kind::kMenuEntry; }
  Form& form() const override;
  std::string caption() const override { return caption_; }
  bool enabled() const override { return enabled_; }
  bool checked() const override { return checked_; }

  void set_caption(std::string caption);
  void Check();
  void Uncheck();
  void Enable();
  void Disable();

  bool is_separator() const { return caption_ == kSeparatorCaption; }
  bool has_submenu() const { return !entries_.empty(); }

  // --- Where it is -----------------------------------------------------------------------------
  Menu& menu() const { return *menu_; }
  MenuEntry* parent() const { return parent_; }
  const std::vector<MenuEntry*>& entries() const { return entries_; }
  // The command id that WM_COMMAND carries when it is chosen; 0 for submenus and separators.
  winsys::UINT command_id() const;
  // Its position among the items of the menu that holds it (separators count).
  int position() const;
  // Positions from the menu bar down to this entry: {0, 0, 5} is the bar's first entry, its
  // submenu's first entry, and that submenu's sixth item. A popup of an entry P shows P's
  // submenu, so an entry below P is reached by the part of its path after P's.
  std::vector<int> path() const;
  // The platform menu that holds this entry, and for a submenu entry the submenu it opens;
  // 0 while the form is not loaded.
  winsys::HMENU containing_menu() const { return containing_; }
  winsys::HMENU submenu() const { return submenu_; }

  // --- Acting ------------------------------------------------------------------------------------
  // Pops up this entry's submenu with its top-left corner at (x, y) twips in where's client
  // area, waits for the choice (the popup runs its own modal loop) and sends the chosen command
  // to the menu's form, which fires the entry's on_click before Popup returns. Loads the menu's
  // form if needed. Answers the chosen entry, or nullptr when the popup was cancelled.
  MenuEntry* Popup(Form& where, int x_twips, int y_twips);
  // What choosing the entry does: fires on_click, unless the entry is disabled.
  void Click();

  std::function<void()> on_click;

 private:
  friend class Menu;
  MenuEntry(Menu& menu, MenuEntry* parent, std::string name, std::string caption, MenuCheck check,
            MenuState state);
  winsys::UINT StateFlags() const;
  void AppendTo(winsys::HMENU parent_menu);
  void ForgetHandles();
  void ResetToDesign();
  void ApplyState();

  Menu* menu_;
  MenuEntry* parent_;
  std::string name_;
  std::string design_caption_;
  std::string caption_;
  MenuCheck design_check_;
  MenuState design_state_;
  bool checked_;
  bool enabled_;
  int command_id_;
  std::vector<MenuEntry*> entries_;
  winsys::HMENU containing_ = 0;
  winsys::HMENU submenu_ = 0;
};

}  // namespace ui
