#pragma once
// A progress bar ("msctls_progress32") with a range (0 to 100 unless set) and a value. A value
// outside the range is held at its nearer end, as the control itself does.

#include "shared/ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  ProgressBar(Container& container, std::string name, const TwipsRect& position,
              Visibility visibility = Visibility::kVisible);

  // The value in decimal.
  std::string caption() const override { return std::to_string(value_); }

  int min() const { return min_; }
  int max() const { return max_; }
  int value() const { return value_; }
  // A range whose max is below its min is taken as empty at min.
  void set_range(int min, int max);
  void set_value(int value);

 private:
  const char* class_name() const override { return "msctls_progress32"; }
  winsys::DWORD class_style() const override { return 0; }
  void AfterCreate() override;
  void ResetProperties() override;
  int Clamp(int value) const;

  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
};

}  // namespace ui
