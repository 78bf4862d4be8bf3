#pragma once
// A status bar with one text panel ("msctls_statusbar32"). The panel's text lives in the
// wrapper and is written to the window (SB_SETTEXTA, panel 0).

#include <string>

#include "shared/ui/control.h"

namespace ui {

class StatusBar : public Control {
 public:
  StatusBar(Container& container, std::string name, std::string text, const TwipsRect& position,
            Visibility visibility = Visibility::kVisible);

  std::string caption() const override { return text_; }
  const std::string& text() const { return text_; }
  void set_text(std::string text);

 private:
  const char* class_name() const override { return "msctls_statusbar32"; }
  winsys::DWORD class_style() const override { return 0; }
  void AfterCreate() override;
  void ResetProperties() override { text_ = design_text_; }

  std::string design_text_;
  std::string text_;
};

}  // namespace ui
