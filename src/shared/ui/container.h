#pragma once
// What a control is placed in: a form, or a frame on a form. Positions are relative to it.

#include "shared/winsys/types.h"

namespace ui {

class Form;

class Container {
 public:
  virtual ~Container() = default;
  virtual Form& owner_form() const = 0;
  // The window the container's controls are children of; 0 while the form is not loaded.
  virtual winsys::HWND container_window() const = 0;
  // Whether the container and everything around it are visible.
  virtual bool container_visible() const = 0;
};

}  // namespace ui
