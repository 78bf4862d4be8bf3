#pragma once
// Every form of the program, by design name, and through each form its controls, timers and menu
// entries: what the scenario runner and the tests act on ("serverFrm Command1", "banningFrm
// Combo1", "menuFrm handle", "serverFrm StatusBar1"). Forms join the registry they are given when
// they are constructed and leave it when they are destroyed; names compare without letter case.
//
// A found element answers the generic questions (kind, window, caption or text, enabled, visible,
// checked, entries); for what only one kind has, cast to the concrete type with As<T>():
//   if (auto* entry = registry.FindAs<ui::MenuEntry>("menuFrm", "handle")) entry->path();

#include <string_view>
#include <vector>

#include "shared/ui/element.h"
#include "shared/winsys/types.h"

namespace ui {

class Form;
class MenuEntry;

class Registry {
 public:
  Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // A form, loaded or not; nullptr when none has this name.
  Form* FindForm(std::string_view form_name) const;
  // An element of a form; the form's own name names the form itself ("serverFrm serverFrm").
  Element* Find(std::string_view form_name, std::string_view element_name) const;
  template <typename T>
  T* FindAs(std::string_view form_name, std::string_view element_name) const {
    return dynamic_cast<T*>(Find(form_name, element_name));
  }
  // A menu entry of any form, for commands that name only the entry.
  MenuEntry* FindMenuEntry(std::string_view entry_name) const;
  // The form or control whose window this is; nullptr for windows of no registered form.
  Element* ElementOf(winsys::HWND window) const;

  // In the order they were constructed.
  const std::vector<Form*>& forms() const { return forms_; }

 private:
  friend class Form;
  void Add(Form& form);
  void Remove(Form& form);

  std::vector<Form*> forms_;
};

template <typename T>
T* As(Element* element) {
  return dynamic_cast<T*>(element);
}

}  // namespace ui
