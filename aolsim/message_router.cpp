#include "aolsim/message_router.h"

#include <memory>

#include "aolsim/seam_names.h"

namespace aolsim {

void MessageRouter::Attach(HWND window, Handler handler) {
  if (window == winsys::kNoWindow) return;
  handlers_[window] = std::move(handler);
  if (!subclassed_.insert(window).second) return;
  auto next = std::make_shared<winsys::WindowProc>();
  *next = ws_.SubclassWindow(window, [this, next](HWND h, UINT m, WPARAM w, LPARAM l) {
    return Dispatch(h, m, w, l, *next);
  });
}

void MessageRouter::Detach(HWND window) {
  handlers_.erase(window);
  if (!ws_.IsWindow(window)) subclassed_.erase(window);
}

LRESULT MessageRouter::Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                const winsys::WindowProc& next) {
  const auto found = handlers_.find(window);
  if (found == handlers_.end()) {
    return next ? next(window, message, wparam, lparam)
                : ws_.DefWindowProc(window, message, wparam, lparam);
  }
  // A copy: the handler may close its own window, and with it the entry it runs from.
  const Handler handler = found->second;
  return handler(window, message, wparam, lparam, next);
}

}  // namespace aolsim
