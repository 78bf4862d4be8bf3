#pragma once
// A text box ("Edit"), single-line, or multi-line with a vertical scroll bar. The text is read
// from the window while the form is loaded, since a person types into it.
//
// on_change fires when the text changes, by typing or by set_text, once per change (the edit's
// EN_CHANGE, compared with the text last seen). on_key_press fires for every character typed
// (WM_CHAR) before the edit takes it; the handler may replace the character, or set it to 0 to
// swallow it. The keys are seen by subclassing the edit window.

#include <functional>
#include <string>

#include "shared/ui/control.h"
#include "shared/winsys/window_system.h"

namespace ui {

enum class TextBoxStyle { kSingleLine, kMultiLine };

class TextBox : public Control {
 public:
  TextBox(Container& container, std::string name, std::string text, const TwipsRect& position,
          TextBoxStyle style = TextBoxStyle::kSingleLine,
          Visibility visibility = Visibility::kVisible);
  ~TextBox() override;

  std::string caption() const override { return text(); }
  std::string text() const;
  void set_text(std::string text);

  std::function<void()> on_change;
  std::function<void(char& key)> on_key_press;

 private:
  const char* class_name() const override { return "Edit"; }
  winsys::DWORD class_style() const override;
  std::string initial_caption() const override { return text_; }
  void AfterCreate() override;
  void OnWindowGone() override { edit_procedure_ = nullptr; }
  void ResetProperties() override { text_ = design_text_; }
  void OnCommand(unsigned code) override;

  TextBoxStyle style_;
  std::string design_text_;
  std::string text_;  // the text while there is no window, and the text last seen
  winsys::WindowProc edit_procedure_;
};

}  // namespace ui
