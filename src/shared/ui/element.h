#pragma once
// What the registry can name on a form: the form itself, its controls, its timers and its menu
// entries. The queries are the ones a scenario runner or a test asks without knowing the concrete
// type; each element answers the ones that make sense for it and the neutral value otherwise.

#include <string>
#include <string_view>

#include "shared/winsys/types.h"

namespace ui {

class Form;

enum class Kind {
  kForm,
  kButton,
  kListBox,
  kComboBox,
  kTextBox,
  kLabel,
  kFrame,
  kStatusBar,
  kProgressBar,
  kToolbar,
  kTimer,
  kMenuEntry,
};

class Element {
 public:
  Element() = default;
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  virtual ~Element() = default;

  virtual const std::string& name() const = 0;
  virtual Kind kind() const = 0;
  virtual Form& form() const = 0;

  // The element's own window; 0 when the form is not loaded, and always 0 for timers and menu
  // entries, which have none.
  virtual winsys::HWND hwnd() const { return winsys::kNoWindow; }
  // The caption, or the text for text boxes, combo boxes and the status bar's panel; a progress
  // bar answers its value in decimal.
  virtual std::string caption() const { return {}; }
  // The element's own Enabled property (a disabled form does not make its controls report
  // disabled, as with the platform's IsWindowEnabled).
  virtual bool enabled() const { return false; }
  // Whether a person can see it: the form is visible, and so are the element and every frame
  // around it. Timers and menu entries are never visible.
  virtual bool visible() const { return false; }
  virtual bool checked() const { return false; }
  // Entries of a list or combo box; 0 and the empty text for everything else.
  virtual int count() const { return 0; }
  virtual std::string item(int /*index*/) const { return {}; }
};

}  // namespace ui
