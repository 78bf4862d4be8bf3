#pragma once
// Takes over windows of the client, its own classes and the desktop's alike, and hands their
// messages to handlers kept here. The class procedures the client registers capture nothing of
// it, so a window's behaviour lives only as long as its handler: a handler removed (its window
// object gone) leaves the window with the plain behaviour of its class.

#include <map>
#include <set>

#include "shared/winsys/window_system.h"

namespace aolsim {

// What a taken-over window does with a message; next is the procedure it had before.
using Handler = std::function<winsys::LRESULT(winsys::HWND, winsys::UINT, winsys::WPARAM,
                                              winsys::LPARAM, const winsys::WindowProc& next)>;

class MessageRouter {
 public:
  explicit MessageRouter(winsys::WindowSystem& ws) : ws_(ws) {}
  MessageRouter(const MessageRouter&) = delete;
  MessageRouter& operator=(const MessageRouter&) = delete;

  // From now on the window's messages go to handler first (a second call replaces it).
  void Attach(winsys::HWND window, Handler handler);
  void Detach(winsys::HWND window);
  std::size_t HandlerCount() const { return handlers_.size(); }

 private:
  winsys::LRESULT Dispatch(winsys::HWND window, winsys::UINT message, winsys::WPARAM wparam,
                           winsys::LPARAM lparam, const winsys::WindowProc& next);

  winsys::WindowSystem& ws_;
  std::map<winsys::HWND, Handler> handlers_;
  std::set<winsys::HWND> subclassed_;
};

}  // namespace aolsim
