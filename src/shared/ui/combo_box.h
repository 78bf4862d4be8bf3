#pragma once
// An editable combo box with a drop-down list ("ComboBox", CBS_DROPDOWN, with its "Edit"
// child). The text is read from the window while the form is loaded; the list's entries are
// kept in the wrapper as well, like a list box's.
//
// on_key_press fires for every character typed into the combo, before it is taken, whether the
// WM_CHAR arrives at the combo (which passes it to its edit) or at the edit child itself: both
// windows are subclassed, and a character the combo passes on is not reported twice. on_change
// fires when the text changes (EN_CHANGE or CBN_EDITCHANGE), on_click when a person selects an
// entry of the list (CBN_SELCHANGE).
//
// The design's height is the edit's; the window is made taller by the dropped list's room, since
// the system counts a drop-down combo's height as its edit and its list together.

#include <functional>
#include <string>
#include <vector>

#include "shared/ui/control.h"
#include "shared/winsys/window_system.h"

namespace ui {

class ComboBox : public Control {
 public:
  ComboBox(Container& container, std::string name, const TwipsRect& position,
           Visibility visibility = Visibility::kVisible);
  ~ComboBox() override;

  std::string caption() const override { return text(); }
  std::string text() const;
  void set_text(std::string text);

  int count() const override { return static_cast<int>(items_.size()); }
  std::string item(int index) const override;
  const std::vector<std::string>& items() const { return items_; }
  int add(std::string text);
  // Empties the list and the text.
  void clear();
  // -1 when no entry is selected.
  int selected_index() const;

  // The combo's edit child; 0 while the form is not loaded.
  winsys::HWND edit_hwnd() const { return edit_; }

  std::function<void(char& key)> on_key_press;
  std::function<void()> on_change;
  std::function<void()> on_click;

 private:
  const char* class_name() const override { return "ComboBox"; }
  winsys::DWORD class_style() const override;
  winsys::Rect WindowRect() const override;
  void AfterCreate() override;
  void OnWindowGone() override;
  void ResetProperties() override;
  void OnCommand(unsigned code) override;

  std::vector<std::string> items_;
  std::string text_;  // the text while there is no window, and the text last seen
  winsys::HWND edit_ = winsys::kNoWindow;
  winsys::WindowProc combo_procedure_;
  winsys::WindowProc edit_procedure_;
  bool passing_key_to_edit_ = false;
};

}  // namespace ui
