#pragma once
// The base of every window the client shows: it makes the window and its controls, attaches
// what they do, and lets go of all of it when the object goes (handlers detached first, so no
// message reaches a half-destroyed object; pending timers cancelled; the window destroyed if it
// is still there).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aolsim/client_context.h"

namespace aolsim {

enum class WindowKind {
  kMainWindow,
  kWelcome,
  kChatRoom,
  kMailbox,
  kReadMail,
  kForward,
  kWriteMail,
  kAutomaticAol,
  kFlashDialog,
  kMailPreferences,
  kSessionStatus,
  kSendInstantMessage,
  kConversation,
  kDeleteConfirmation,
  kInstantMessageRefusal,
  kStatusPopup,
  kErrorPopup,
  kModalPopup,
  kNoticePopup,
};

enum class Visibility { kHidden, kShown };

class ClientWindow {
 public:
  ClientWindow(ClientContext& context, WindowKind kind);
  virtual ~ClientWindow();
  ClientWindow(const ClientWindow&) = delete;
  ClientWindow& operator=(const ClientWindow&) = delete;

  winsys::HWND hwnd() const { return hwnd_; }
  WindowKind kind() const { return kind_; }
  bool IsOpen() const;
  std::string Caption() const;
  void Show();
  void BringToFront();
  // Destroys the window now; never from inside one of its own handlers (use CloseSoon there).
  void Close();
  // Posts WM_CLOSE: the window goes when the message is handled.
  void CloseSoon();

 protected:
  // An "AOL Child" of the MDI area; the desktop puts it at the front.
  winsys::HWND CreateContentWindow(std::string_view caption);
  winsys::HWND CreateTopLevel(const char* class_name, std::string_view caption,
                              Visibility visibility);
  // A control of this window (or of parent), placed after the ones before it.
  winsys::HWND AddControl(const char* class_name, std::string_view caption = {},
                          winsys::DWORD style = 0, winsys::HWND parent = winsys::kNoWindow);
  std::vector<winsys::HWND> AddControls(const char* class_name, int count);

  // A "_AOL_Checkbox": BM_SETCHECK with any nonzero wParam (the program passes -1) checks it.
  winsys::HWND AddCheckbox(std::string_view caption);
  bool IsChecked(winsys::HWND checkbox) const;

  void Attach(winsys::HWND window, Handler handler);
  // A picture button: WM_LBUTTONDOWN then WM_LBUTTONUP, sent or posted, runs the action.
  void AttachIcon(winsys::HWND icon, std::function<void()> action);

  std::string TextOf(winsys::HWND window) const;
  void SetText(winsys::HWND window, std::string_view text) const;

  winsys::WindowSystem& ws() const { return context_.ws; }

  ClientContext& context_;
  TimerSet timers_;
  winsys::HWND hwnd_ = winsys::kNoWindow;

 private:
  WindowKind kind_;
  std::vector<winsys::HWND> attached_;
  int controls_made_ = 0;
};

}  // namespace aolsim
