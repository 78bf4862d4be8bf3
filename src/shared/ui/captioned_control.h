#pragma once
// A control whose window shows a caption the program sets and a person cannot edit: buttons,
// labels and frames. The caption lives in the wrapper and is written to the window.

#include <string>

#include "shared/ui/control.h"

namespace ui {

class CaptionedControl : public Control {
 public:
  std::string caption() const override { return caption_; }
  void set_caption(std::string caption);

 protected:
  CaptionedControl(Container& container, std::string name, Kind kind, std::string caption,
                   const TwipsRect& position, Visibility visibility);
  std::string initial_caption() const override { return caption_; }
  void ResetProperties() override { caption_ = design_caption_; }

 private:
  std::string design_caption_;
  std::string caption_;
};

}  // namespace ui
