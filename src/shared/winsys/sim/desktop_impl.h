#pragma once
// The state and the rules of the simulated desktop behind SimDesktop and its per-process views:
// windows, classes, messages, activation and focus, menus, modals and the loop. Every call that
// depends on who asks takes the calling process's id.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/sim/class_registry.h"
#include "shared/winsys/sim/event_loop.h"
#include "shared/winsys/sim/hung_processes.h"
#include "shared/winsys/sim/menu_table.h"
#include "shared/winsys/sim/modal_stack.h"
#include "shared/winsys/sim/sim_desktop.h"
#include "shared/winsys/sim/window_tree.h"

namespace winsys::sim {

class SimProcess;
class PopupMenuHandler;

inline constexpr const char* kPopupMenuClass = "#32768";

class SimDesktop::Impl {
 public:
  static constexpr int kScreenWidth = 1024;
  static constexpr int kScreenHeight = 768;
  // The frame, caption and menu-bar sizes of the plain desktop theme; 0 for what is not kept.
  static int SystemMetric(int index);

  Impl(SimDesktop& desktop, Clock& clock, VirtualClock* moved, TimeKind time);
  ~Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  SimDesktop& desktop() { return desktop_; }
  Clock& clock() { return clock_; }
  EventLoop& loop() { return loop_; }
  WindowTree& tree() { return tree_; }
  MenuTable& menus() { return menus_; }
  ModalStack& modals() { return modals_; }

  // --- Processes ---------------------------------------------------------------------------------
  SimProcess& CreateProcess(std::string_view name);
  SimProcess& System() { return *system_; }
  SimProcess* FindProcess(DWORD id);
  DWORD SystemProcessId() const;

  // --- Classes and windows -----------------------------------------------------------------------
  bool RegisterClass(DWORD caller, std::string_view name, WindowProc procedure);
  WindowProc ClassProcedure(DWORD caller, std::string_view name) const;
  LRESULT DefWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  WindowProc SubclassWindow(DWORD caller, HWND window, WindowProc procedure);
  HWND CreateWindow(DWORD caller, const CreateParams& params);
  // Another process's window can only be destroyed by the system (the standard controls).
  bool DestroyWindow(DWORD caller, HWND window);
  bool IsWindow(HWND window) const { return tree_.Find(window) != nullptr; }
  HWND FindWindowEx(HWND parent, HWND child_after, const char* class_name, const char* caption);
  HWND GetWindow(HWND window, UINT relation);
  HWND GetParent(HWND window);
  std::string GetClassName(HWND window);
  int GetDlgCtrlID(HWND window);
  HWND GetDlgItem(HWND parent, int control_id);

  // --- Messages ----------------------------------------------------------------------------------
  LRESULT SendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // A program's send: to a window of a hung program it waits for the answer at most the send
  // bound, and gives up at once on one hung for longer than HungProcesses::kHungAfter. Nothing
  // when there is no window or no answer came; what gave up is handled when that program wakes.
  std::optional<LRESULT> SendFrom(DWORD caller, HWND window, UINT message, WPARAM wparam,
                                  LPARAM lparam);

  void EndProcess(DWORD process);

  // --- Hung processes ----------------------------------------------------------------------------
  void Hang(DWORD process, double seconds);
  bool IsHung(DWORD process) const;
  void SetSendBound(double seconds) { send_bound_ = seconds; }
  double send_bound() const { return send_bound_; }

  // --- State, text and geometry ------------------------------------------------------------------
  bool ShowWindow(HWND window, int command);
  bool IsWindowVisible(HWND window) const;
  bool EnableWindow(HWND window, bool enable);
  bool IsWindowEnabled(HWND window) const;
  std::string GetWindowText(DWORD caller, HWND window);
  int GetWindowTextLength(DWORD caller, HWND window);
  bool SetWindowText(HWND window, std::string_view text);
  LONG_PTR GetWindowLongPtr(HWND window, int index);
  LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);
  bool GetWindowRect(HWND window, Rect& screen_rect);
  bool MoveWindow(HWND window, const Rect& rect);
  bool SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height,
                    UINT flags);
  bool IsTopmost(HWND window);
  bool BringWindowToTop(HWND window);
  bool SetForegroundWindow(HWND window);
  HWND GetForegroundWindow() const { return active_; }
  HWND SetFocus(HWND window);
  HWND GetFocus(DWORD caller) const;
  Point GetCursorPos() const { return cursor_; }
  bool SetCursorPos(int x, int y);

  // Makes a top-level window the active (foreground) one and raises it.
  void Activate(HWND top_level);

  DWORD GetWindowThreadProcessId(HWND window, DWORD* process_id);

  // --- Menus, timers, clipboard ------------------------------------------------------------------
  HMENU GetMenu(HWND window);
  bool SetMenu(HWND window, HMENU menu);
  std::uintptr_t SetTimer(DWORD caller, HWND window, std::uintptr_t id, UINT milliseconds);
  bool KillTimer(DWORD caller, HWND window, std::uintptr_t id);
  bool SetClipboardText(std::string_view text);
  std::optional<std::string> GetClipboardText() const { return clipboard_; }

  // --- Input as a person gives it ----------------------------------------------------------------
  InputResult CanTakeInput(HWND window);

  // --- Popup menus -------------------------------------------------------------------------------
  void RegisterPopup(HWND window, PopupMenuHandler* handler);
  void UnregisterPopup(HWND window);
  PopupMenuHandler* PopupOf(HWND window) const;

  std::vector<HWND> Children(HWND parent) const;

 private:
  LRESULT CallProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool DeliverPosted(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool Responds(HWND window) const;
  bool DeliverWoken();
  // Hands over what a woken program was sent while it hung: an item's text is read into a
  // copy as long as the item.
  void DeliverHeld(const HeldSend& held);
  bool Destroy(HWND window);
  void DestroyOwnedBy(HWND owner);
  void SendDestroyMessages(HWND window);
  void FinishDestroying(HWND window);
  // Takes the window out of the desktop's state once nothing more is sent to it.
  void Forget(HWND window);
  // A window and its children go without a message (their process was killed).
  void RemoveSilently(HWND window);
  // When the active window goes away (hidden, minimised, destroyed), the next visible top-level
  // window of its process becomes active, if there is one.
  void ActivateNext(HWND leaving);
  void SendActivate(HWND window, WPARAM state, HWND other);
  bool ApplyRect(HWND window, const Rect& rect);

  SimDesktop& desktop_;
  Clock& clock_;
  EventLoop loop_;
  WindowTree tree_;
  // Where the last FindWindowEx found its window among its siblings: a walk over the children
  // asks for the one after it next, and would otherwise search the list for it every step.
  struct FoundPlace {
    const std::vector<HWND>* siblings = nullptr;
    std::size_t index = 0;
  };
  FoundPlace last_found_;
  MenuTable menus_;
  ModalStack modals_;
  HungProcesses hangs_;
  // The Windows program's bound on a send to another program (its cross-process timeout).
  double send_bound_ = 5.0;
  std::map<DWORD, std::unique_ptr<SimProcess>> processes_;
  SimProcess* system_ = nullptr;
  std::unique_ptr<ClassRegistry> classes_;
  std::map<HWND, PopupMenuHandler*> popups_;
  DWORD next_process_id_ = 0x100;
  HWND active_ = kNoWindow;
  HWND focus_ = kNoWindow;
  Point cursor_{kScreenWidth / 2, kScreenHeight / 2};
  std::optional<std::string> clipboard_;
};

}  // namespace winsys::sim
