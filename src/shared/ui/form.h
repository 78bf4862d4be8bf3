#pragma once
// A top-level window of the program, in the manner of a form designer's form: it has a design
// name (`serverFrm`), a caption, a size in twips and a font name, and its controls, timers and
// menu are objects that name it as their container. Forms are C++ classes that derive from Form
// or own one as their first member, with the controls as members after it:
//
//   ui::Form form{ws, registry, "banningFrm", "Banning", {3000, 4000}};
//   ui::ComboBox Combo1{form, "Combo1", {120, 120, 2700, 315}};
//   ...
//   Combo1.on_key_press = [this](char& key) { Combo1_KeyPress(key); };
//
// Lifecycle: Load() creates the window hidden, with its controls and menu, starts the enabled
// timers and fires on_load once; Show() loads if needed, shows and activates; on_activate fires
// every time the window becomes the active window; Hide(); Unload() fires on_unload, destroys the
// window and puts every control back to its design values (so a form loaded again starts as
// designed). The close box sends WM_CLOSE: on_close may turn the unload into a hide, or refuse it.
//
// All forms share one window class, "TollmereForm", whose procedure finds the Form through the
// window's GWLP_USERDATA.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/ui/container.h"
#include "shared/ui/element.h"
#include "shared/ui/owner_window.h"
#include "shared/ui/twips.h"
#include "shared/winsys/window_system.h"

namespace ui {

class Control;
class Menu;
class Registry;
class Timer;

inline constexpr char kFormClassName[] = "TollmereForm";

// What the close box does; on_close may change it.
enum class CloseAction {
  kUnload,    // the default: unload the form
  kHide,      // keep the form loaded and only hide it (the side windows)
  kKeepOpen,  // refuse the close
};

class Form : public Element, public Container, public OwnerWindow {
 public:
  Form(winsys::WindowSystem& ws, Registry& registry, std::string name, std::string caption,
       TwipsSize size);
  ~Form() override;

  // --- Element ------------------------------------------------------------------------------
  const std::string& name() const override { return name_; }
  Kind kind() const override { return Kind::kForm; }
  Form& form() const override { return const_cast<Form&>(*this); }
  winsys::HWND hwnd() const override { return hwnd_; }
  std::string caption() const override { return caption_; }
  bool enabled() const override;
  bool visible() const override { return is_visible(); }

  // --- Container ----------------------------------------------------------------------------
  Form& owner_form() const override { return form(); }
  winsys::HWND container_window() const override { return hwnd_; }
  bool container_visible() const override { return is_visible(); }

  // --- Lifecycle ----------------------------------------------------------------------------
  void Load();
  void Show();
  void Hide();
  void Unload();
  bool is_loaded() const { return hwnd_ != winsys::kNoWindow; }
  bool is_visible() const;

  void Enable() override;
  void Disable() override;

  // --- Properties ---------------------------------------------------------------------------
  void set_caption(std::string caption);
  TwipsSize size() const { return size_; }
  // The outer size; keeps the window's top-left corner.
  void SetSize(TwipsSize size);
  // The top-left corner on the screen; a form never placed is centred on the screen.
  void MoveTo(int left_twips, int top_twips);
  const std::string& font_name() const { return font_name_; }
  void set_font_name(std::string font_name) { font_name_ = std::move(font_name); }

  winsys::WindowSystem& ws() const override { return ws_; }
  Registry& registry() const { return registry_; }

  // --- Events -------------------------------------------------------------------------------
  std::function<void()> on_load;
  std::function<void()> on_activate;
  std::function<void()> on_unload;
  std::function<void()> on_resize;
  std::function<void(CloseAction&)> on_close;

  // --- What the form holds --------------------------------------------------------------------
  // A control, timer or menu entry by design name (any letter case); nullptr when there is none.
  Element* Find(std::string_view name) const;
  // Every control, timer and menu entry, in the order they were declared (menu entries last).
  std::vector<Element*> elements() const;
  Menu* menu() const { return menu_; }
  // Where the form's client area, the place its controls are laid out from, begins on the
  // screen; the window's top-left corner while it has no control to tell.
  winsys::Point ClientOriginOnScreen() const;

  // The procedure of the form's window (through the class procedure); not for callers.
  winsys::LRESULT WindowProcedure(winsys::HWND window, winsys::UINT message, winsys::WPARAM wparam,
                                  winsys::LPARAM lparam);

 private:
  friend class Control;
  friend class Menu;
  friend class MenuEntry;
  friend class Timer;

  // Controls, timers and menu entries join their form when they are constructed and leave it
  // when they are destroyed; each gets an identifier unique on the form (control id, timer id
  // or menu command id).
  int Adopt(Control& control);
  void Release(Control& control);
  int Adopt(Timer& timer);
  void Release(Timer& timer);
  void Adopt(Menu& menu);
  void Release(Menu& menu);
  int NextId();
  void RequireFreeName(std::string_view name) const;

  winsys::Rect WindowRect() const;
  void HandleCommand(winsys::WPARAM wparam, winsys::LPARAM lparam);
  void HandleClose();
  void DestroyWindowSilently();
  void ForgetWindows();
  void ResetToDesign();

  winsys::WindowSystem& ws_;
  Registry& registry_;
  std::string name_;
  std::string design_caption_;
  std::string caption_;
  TwipsSize design_size_;
  TwipsSize size_;
  std::optional<winsys::Point> position_twips_;
  std::string font_name_ = "MS Sans Serif";
  bool enabled_ = true;
  bool loading_ = false;
  bool unloading_ = false;
  winsys::HWND hwnd_ = winsys::kNoWindow;
  int next_id_ = 1;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  Menu* menu_ = nullptr;
};

}  // namespace ui
