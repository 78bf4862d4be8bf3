#include "shared/ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "shared/ui/control.h"
#include "shared/ui/menu.h"
#include "shared/ui/menu_entry.h"
#include "shared/ui/names.h"
#include "shared/ui/registry.h"
#include "shared/ui/timer.h"

namespace ui {

using namespace winsys;

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// One class for every form of every process on the desktop; registering it again (a second
// process, a form loaded after another) changes nothing. The procedure only looks the form up.
void RegisterFormClass(WindowSystem& ws) {
  WindowSystem* system = &ws;
  ws.RegisterClass(
      kFormClassName, [system](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
        auto* form = reinterpret_cast<Form*>(system->GetWindowLongPtr(window, GWLP_USERDATA));
        if (form != nullptr) {
          return form->WindowProcedure(window, message, wparam, lparam);
        }
        return system->DefWindowProc(window, message, wparam, lparam);
      });
}

template <typename T>
void Erase(std::vector<T*>& items, T* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

Form::Form(WindowSystem& ws, Registry& registry, std::string name, std::string caption,
           TwipsSize size)
    : ws_(ws),
      registry_(registry),
      name_(std::move(name)),
      design_caption_(caption),
      caption_(std::move(caption)),
      design_size_(size),
      size_(size) {
  registry_.Add(*this);
}

Form::~Form() {
  DestroyWindowSilently();
  registry_.Remove(*this);
}

// --- Lifecycle ---------------------------------------------------------------------------------

void Form::Load() {
  if (is_loaded() || loading_) return;
  loading_ = true;
  RegisterFormClass(ws_);
  CreateParams params;
  params.class_name = kFormClassName;
  params.caption = caption_;
  params.style = kFormStyle | (enabled_ ? 0 : WS_DISABLED);
  params.rect = WindowRect();
  const HWND window = ws_.CreateWindow(params);
  if (window == kNoWindow) {
    loading_ = false;
    return;
  }
  hwnd_ = window;
  ws_.SetWindowLongPtr(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (menu_ != nullptr) menu_->Build();
  for (Control* control : controls_) control->CreateOwnWindow();
  for (Timer* timer : timers_) timer->OnFormLoaded();
  loading_ = false;
  if (on_load) on_load();
}

void Form::Show() {
  Load();
  if (!is_loaded()) return;
  ws_.ShowWindow(hwnd_, SW_SHOW);
  // Showing a visible window that another one covers only raises it by bringing it to the
  // front, which also makes it the active window (and so fires on_activate).
  if (is_loaded()) ws_.SetForegroundWindow(hwnd_);
}

void Form::Hide() {
  if (is_loaded()) ws_.ShowWindow(hwnd_, SW_HIDE);
}

void Form::Unload() {
  if (!is_loaded() || unloading_) return;
  unloading_ = true;
  if (on_unload) on_unload();
  DestroyWindowSilently();
  unloading_ = false;
}

bool Form::is_visible() const {
  return is_loaded() && ws_.IsWindowVisible(hwnd_);
}

bool Form::enabled() const {
  return is_loaded() ? ws_.IsWindowEnabled(hwnd_) : enabled_;
}

void Form::Enable() {
  enabled_ = true;
  if (is_loaded()) ws_.EnableWindow(hwnd_, true);
}

void Form::Disable() {
  enabled_ = false;
  if (is_loaded()) ws_.EnableWindow(hwnd_, false);
}

// --- Properties --------------------------------------------------------------------------------

void Form::set_caption(std::string caption) {
  caption_ = std::move(caption);
  if (is_loaded()) ws_.SetWindowText(hwnd_, caption_);
}

void Form::SetSize(TwipsSize size) {
  size_ = size;
  if (!is_loaded()) return;
  Rect rect;
  if (!ws_.GetWindowRect(hwnd_, rect)) return;
  rect.right = rect.left + TwipsToPixels(size.width);
  rect.bottom = rect.top + TwipsToPixels(size.height);
  ws_.MoveWindow(hwnd_, rect);
}

void Form::MoveTo(int left_twips, int top_twips) {
  position_twips_ = Point{left_twips, top_twips};
  if (is_loaded()) ws_.MoveWindow(hwnd_, WindowRect());
}

// The frame and caption around the client area are as thick as the platform and its theme make
// them, so the origin is read off a control placed on the form itself rather than reckoned.
Point Form::ClientOriginOnScreen() const {
  Rect rect;
  for (const Control* control : controls_) {
    if (control->container_ != this || control->hwnd() == kNoWindow) continue;
    if (!ws_.GetWindowRect(control->hwnd(), rect)) continue;
    const Rect placed = control->position().ToPixels();
    return Point{rect.left - placed.left, rect.top - placed.top};
  }
  if (is_loaded() && ws_.GetWindowRect(hwnd_, rect)) return Point{rect.left, rect.top};
  return Point{};
}

Rect Form::WindowRect() const {
  const int width = TwipsToPixels(size_.width);
  const int height = TwipsToPixels(size_.height);
  int left = 0;
  int top = 0;
  if (position_twips_) {
    left = TwipsToPixels(position_twips_->x);
    top = TwipsToPixels(position_twips_->y);
  } else {
    left = std::max(0, (ws_.GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    top = std::max(0, (ws_.GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  }
  return {left, top, left + width, top + height};
}

// --- What the form holds -------------------------------------------------------------------------

Element* Form::Find(std::string_view name) const {
  for (Control* control : controls_) {
    if (SameName(control->name(), name)) return control;
  }
  for (Timer* timer : timers_) {
    if (SameName(timer->name(), name)) return timer;
  }
  if (menu_ != nullptr) return menu_->Find(name);
  return nullptr;
}

std::vector<Element*> Form::elements() const {
  std::vector<Element*> all(controls_.begin(), controls_.end());
  all.insert(all.end(), timers_.begin(), timers_.end());
  if (menu_ != nullptr) {
    for (MenuEntry* entry : menu_->all_entries()) all.push_back(entry);
  }
  return all;
}

int Form::NextId() {
  return next_id_++;
}

void Form::RequireFreeName(std::string_view name) const {
  if (name.empty()) throw std::invalid_argument("a control of " + name_ + " needs a name");
  if (Find(name) != nullptr || SameName(name, name_)) {
    throw std::invalid_argument(name_ + " already has an element named " + std::string(name));
  }
}

int Form::Adopt(Control& control) {
  RequireFreeName(control.name());
  controls_.push_back(&control);
  return NextId();
}

void Form::Release(Control& control) {
  Erase(controls_, &control);
}

int Form::Adopt(Timer& timer) {
  RequireFreeName(timer.name());
  timers_.push_back(&timer);
  return NextId();
}

void Form::Release(Timer& timer) {
  Erase(timers_, &timer);
}

void Form::Adopt(Menu& menu) {
  if (menu_ != nullptr) throw std::invalid_argument(name_ + " already has a menu");
  menu_ = &menu;
}

void Form::Release(Menu& menu) {
  if (menu_ == &menu) menu_ = nullptr;
}

// --- The window ----------------------------------------------------------------------------------

LRESULT Form::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      HandleCommand(wparam, lparam);
      return 0;
    case WM_TIMER:
      for (Timer* timer : timers_) {
        if (static_cast<WPARAM>(timer->id()) == wparam) {
          timer->Fire();
          break;
        }
      }
      return 0;
    case WM_ACTIVATE:
      if (LowWord(wparam) != WA_INACTIVE && on_activate) on_activate();
      return ws_.DefWindowProc(window, message, wparam, lparam);
    case WM_SIZE:
      if (on_resize) on_resize();
      return ws_.DefWindowProc(window, message, wparam, lparam);
    case WM_CLOSE:
      HandleClose();
      return 0;
    case WM_NCDESTROY:
      // Destroyed by someone else (the program tearing down its windows): the form is unloaded
      // without its unload event, which only an Unload of the form itself fires.
      if (window == hwnd_) {
        ForgetWindows();
        ResetToDesign();
      }
      return ws_.DefWindowProc(window, message, wparam, lparam);
    default:
      return ws_.DefWindowProc(window, message, wparam, lparam);
  }
}

void Form::HandleCommand(WPARAM wparam, LPARAM lparam) {
  if (lparam == 0) {
    // A menu command (the menu bar, or a popup of this form's menu).
    if (menu_ != nullptr) menu_->Dispatch(LowWord(wparam));
    return;
  }
  const auto from = static_cast<HWND>(lparam);
  for (Control* control : controls_) {
    if (control->hwnd() == from) {
      control->OnCommand(HighWord(wparam));
      return;
    }
  }
}

void Form::HandleClose() {
  CloseAction action = CloseAction::kUnload;
  if (on_close) on_close(action);
  switch (action) {
    case CloseAction::kUnload:
      Unload();
      break;
    case CloseAction::kHide:
      Hide();
      break;
    case CloseAction::kKeepOpen:
      break;
  }
}

void Form::DestroyWindowSilently() {
  if (!is_loaded()) return;
  const HWND window = hwnd_;
  for (Timer* timer : timers_) timer->OnFormUnloading();
  if (menu_ != nullptr) menu_->Destroy();
  // From here the window's messages (its deactivation, WM_DESTROY) go to the default procedure.
  ws_.SetWindowLongPtr(window, GWLP_USERDATA, 0);
  ws_.DestroyWindow(window);
  ForgetWindows();
  ResetToDesign();
}

void Form::ForgetWindows() {
  hwnd_ = kNoWindow;
  for (Timer* timer : timers_) timer->OnWindowGone();
  for (Control* control : controls_) control->ForgetWindow();
  if (menu_ != nullptr) menu_->ForgetHandles();
}

void Form::ResetToDesign() {
  caption_ = design_caption_;
  size_ = design_size_;
  enabled_ = true;
  for (Control* control : controls_) control->ResetToDesign();
  for (Timer* timer : timers_) timer->ResetToDesign();
  if (menu_ != nullptr) menu_->ResetToDesign();
}

}  // namespace ui
