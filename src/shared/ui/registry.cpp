#include "shared/ui/registry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "shared/ui/form.h"
#include "shared/ui/menu.h"
#include "shared/ui/names.h"

namespace ui {

Form* Registry::FindForm(std::string_view form_name) const {
  for (Form* form : forms_) {
    if (SameName(form->name(), form_name)) return form;
  }
  return nullptr;
}

Element* Registry::Find(std::string_view form_name, std::string_view element_name) const {
  Form* form = FindForm(form_name);
  if (form == nullptr) return nullptr;
  if (SameName(form->name(), element_name)) return form;
  return form->Find(element_name);
}

MenuEntry* Registry::FindMenuEntry(std::string_view entry_name) const {
  for (Form* form : forms_) {
    if (form->menu() == nullptr) continue;
    if (MenuEntry* entry = form->menu()->Find(entry_name)) return entry;
  }
  return nullptr;
}

Element* Registry::ElementOf(winsys::HWND window) const {
  if (window == winsys::kNoWindow) return nullptr;
  for (Form* form : forms_) {
    if (form->hwnd() == window) return form;
    for (Element* element : form->elements()) {
      if (element->hwnd() == window) return element;
    }
  }
  return nullptr;
}

void Registry::Add(Form& form) {
  if (FindForm(form.name()) != nullptr) {
    throw std::invalid_argument("a form named " + form.name() + " is registered already");
  }
  forms_.push_back(&form);
}

void Registry::Remove(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

}  // namespace ui
