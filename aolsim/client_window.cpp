#include "aolsim/client_window.h"

#include <memory>

#include "aolsim/seam_names.h"
#include "aolsim/window_classes.h"

namespace aolsim {

namespace {

constexpr int kControlWidth = 40;
constexpr int kControlHeight = 24;
constexpr int kControlsPerRow = 12;

}  // namespace

ClientWindow::ClientWindow(ClientContext& context, WindowKind kind)
    : context_(context), timers_(context.timers), kind_(kind) {}

ClientWindow::~ClientWindow() {
  // Detached before the window goes, so that its last messages meet only the class behaviour;
  // and again after, so that the router forgets the windows that are gone.
  for (const HWND window : attached_) context_.router.Detach(window);
  timers_.CancelAll();
  if (hwnd_ != winsys::kNoWindow && ws().IsWindow(hwnd_)) ws().DestroyWindow(hwnd_);
  for (const HWND window : attached_) context_.router.Detach(window);
}

bool ClientWindow::IsOpen() const {
  return hwnd_ != winsys::kNoWindow && ws().IsWindow(hwnd_);
}

std::string ClientWindow::Caption() const {
  return ws().GetWindowText(hwnd_);
}

void ClientWindow::Show() {
  ws().ShowWindow(hwnd_, winsys::SW_SHOW);
}

void ClientWindow::BringToFront() {
  ws().BringWindowToTop(hwnd_);
}

void ClientWindow::Close() {
  if (IsOpen()) ws().DestroyWindow(hwnd_);
}

void ClientWindow::CloseSoon() {
  ws().PostMessage(hwnd_, winsys::WM_CLOSE, 0, 0);
}

HWND ClientWindow::CreateContentWindow(std::string_view caption) {
  winsys::CreateParams params;
  params.class_name = classes::kChild;
  params.caption = std::string(caption);
  params.style = winsys::WS_CHILD | winsys::WS_VISIBLE | winsys::WS_CAPTION | winsys::WS_SYSMENU;
  params.parent = context_.mdi_client;
  params.rect = winsys::Rect{20, 20, 620, 440};
  hwnd_ = ws().CreateWindow(params);
  return hwnd_;
}

HWND ClientWindow::CreateTopLevel(const char* class_name, std::string_view caption,
                                  Visibility visibility) {
  winsys::CreateParams params;
  params.class_name = class_name;
  params.caption = std::string(caption);
  params.style = winsys::WS_POPUP | winsys::WS_CAPTION | winsys::WS_SYSMENU;
  if (visibility == Visibility::kShown) params.style |= winsys::WS_VISIBLE;
  params.parent = context_.main_window;
  params.rect = winsys::Rect{200, 150, 560, 330};
  hwnd_ = ws().CreateWindow(params);
  return hwnd_;
}

HWND ClientWindow::AddControl(const char* class_name, std::string_view caption, DWORD style,
                              HWND parent) {
  const int slot = controls_made_++;
  winsys::CreateParams params;
  params.class_name = class_name;
  params.caption = std::string(caption);
  params.style = winsys::WS_CHILD | winsys::WS_VISIBLE | style;
  params.parent = parent != winsys::kNoWindow ? parent : hwnd_;
  const int left = 4 + (slot % kControlsPerRow) * (kControlWidth + 4);
  const int top = 4 + (slot / kControlsPerRow) * (kControlHeight + 4);
  params.rect = winsys::Rect{left, top, left + kControlWidth, top + kControlHeight};
  params.control_id = 100 + slot;
  return ws().CreateWindow(params);
}

std::vector<HWND> ClientWindow::AddControls(const char* class_name, int count) {
  std::vector<HWND> made;
  for (int i = 0; i < count; ++i) made.push_back(AddControl(class_name));
  return made;
}

HWND ClientWindow::AddCheckbox(std::string_view caption) {
  const HWND checkbox = AddControl(classes::kCheckbox, caption, winsys::BS_AUTOCHECKBOX);
  Attach(checkbox, [](HWND h, UINT m, WPARAM w, LPARAM l, const winsys::WindowProc& next) {
    if (m == winsys::BM_SETCHECK) {
      return next(h, m, w != 0 ? winsys::BST_CHECKED : winsys::BST_UNCHECKED, l);
    }
    return next(h, m, w, l);
  });
  return checkbox;
}

bool ClientWindow::IsChecked(HWND checkbox) const {
  return ws().SendMessage(checkbox, winsys::BM_GETCHECK, 0, 0) == winsys::BST_CHECKED;
}

void ClientWindow::Attach(HWND window, Handler handler) {
  context_.router.Attach(window, std::move(handler));
  attached_.push_back(window);
}

void ClientWindow::AttachIcon(HWND icon, std::function<void()> action) {
  auto pressed = std::make_shared<bool>(false);
  Attach(icon,
         [pressed, action = std::move(action)](HWND h, UINT m, WPARAM w, LPARAM l,
                                               const winsys::WindowProc& next) -> LRESULT {
           if (m == winsys::WM_LBUTTONDOWN) {
             *pressed = true;
             return 0;
           }
           if (m == winsys::WM_LBUTTONUP) {
             if (!*pressed) return 0;
             *pressed = false;
             action();
             return 0;
           }
           return next(h, m, w, l);
         });
}

std::string ClientWindow::TextOf(HWND window) const {
  const LRESULT length = ws().SendMessage(window, winsys::WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = ws().SendMessage(window, winsys::WM_GETTEXT, buffer.size(),
                                          reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return buffer;
}

void ClientWindow::SetText(HWND window, std::string_view text) const {
  const std::string copy(text);
  ws().SendMessage(window, winsys::WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

}  // namespace aolsim
