#pragma once
// The simulated desktop: a deterministic, single-threaded, in-process window system with
// processes, a message queue, timers, menus, the standard controls and modal dialogs. Each
// process sees it through a WindowSystem of its own (see Process()).
//
// Time is virtual or real, as the desktop is told when it is made. Virtual time moves only when
// the desktop is idle: a WaitForWork that finds nothing to do jumps to the next due timer,
// scheduled event or its own deadline; a DoEvents that finds nothing costs kIdleQuantum of
// virtual time. In real time, WaitForWork sleeps until the next deadline.
//
// Beyond the seam it offers what tests and the scenario runner need: input as a person gives it
// (refused for disabled windows and windows under a modal dialog), idle hooks, scheduled events,
// a view of the open modal dialogs, and a watchdog that ends a run that would wait forever.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/window_system.h"

namespace winsys::sim {

class VirtualClock;

// How the desktop's time passes: moved by the desktop (tests, scenario runs) or by the world.
enum class TimeKind { kVirtual, kRealtime };

// Thrown out of the message loop when the watchdog runs out: a test or a run that would otherwise
// wait forever ends with this instead of hanging.
class WatchdogExpired : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a person's action did.
enum class InputResult {
  kDelivered,
  kNoWindow,    // no such window (0 or destroyed)
  kDisabled,    // the window or one of its ancestors is disabled
  kHidden,      // the window or one of its ancestors is hidden
  kUnderModal,  // a modal dialog of the window's process is open and this window is not in it
};

const char* ToString(InputResult result);

// The kinds of modal window the desktop can have open.
enum class ModalKind { kMessageBox, kInputBox, kFileDialog, kPopupMenu };

struct ModalInfo {
  HWND window = kNoWindow;
  HWND owner = kNoWindow;
  DWORD process = 0;
  ModalKind kind = ModalKind::kMessageBox;
  std::string title;
  std::string text;  // the message box's text, the input box's prompt
  UINT type = 0;     // the message box's MB_* flags
  FileDialogKind file_kind = FileDialogKind::kOpen;
  FileDialogSpec file_spec;
  std::string default_text;  // the input box's default text
};

// Told about what happens on the desktop, for event logs.
class DesktopObserver {
 public:
  virtual ~DesktopObserver() = default;
  virtual void OnModalOpened(const ModalInfo& /*info*/) {}
  // answer: the button's control id (IDOK, IDYES, ...) or, for a popup menu, the chosen command.
  virtual void OnModalClosed(const ModalInfo& /*info*/, int /*answer*/) {}
};

class SimDesktop {
 public:
  static constexpr double kIdleQuantum = 0.001;  // virtual seconds a fruitless DoEvents costs

  // The clock is the desktop's for its lifetime. Virtual time: the desktop moves this clock.
  explicit SimDesktop(VirtualClock& clock);
  // Real time: the clock runs on its own, and waits sleep until their deadline.
  SimDesktop(Clock& clock, TimeKind time);
  ~SimDesktop();
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;

  // A new process and its view of the desktop; the desktop owns it.
  WindowSystem& CreateProcess(std::string_view name);
  // The view of the process that registered the standard controls (the "system").
  WindowSystem& System();
  DWORD ProcessIdOf(WindowSystem& process) const;

  Clock& clock() { return clock_; }
  TimeKind time() const { return time_; }

  // --- Hung processes -----------------------------------------------------------------------
  // The process stops answering for this long from now (a hang that is on is lengthened).
  // Other programs' sends to its windows wait for the answer at most the send bound (default
  // 5 s, the Windows program's cross-process bound) and give up at once once it has hung for
  // more than 5 s; a send that gave up answers 0 (SendMessage) or nothing (SendMessageAnswered)
  // and is handled when the process wakes. Posted messages and its timers wait until then.
  void Hang(WindowSystem& process, double seconds);
  bool IsHung(WindowSystem& process);
  void SetSendBound(double seconds);

  // --- A process that is killed --------------------------------------------------------------
  // The process ends at once: its windows go with their timers, menus and modal dialogs, and no
  // message reaches it (none of its handlers runs); windows of others that it owned are disowned.
  // Its view stays valid but finds nothing of its own.
  void EndProcess(WindowSystem& process);

  // --- Input as a person gives it ----------------------------------------------------------------
  InputResult CanTakeInput(HWND window);
  InputResult UserClick(HWND window);        // WM_LBUTTONDOWN and WM_LBUTTONUP, sent
  InputResult UserDoubleClick(HWND window);  // the click, then WM_LBUTTONDBLCLK and WM_LBUTTONUP
  InputResult UserSelect(HWND list,
                         int index);  // LB_SETCURSEL / CB_SETCURSEL, then the notification
  InputResult UserDoubleClickItem(HWND list, int index);  // select, then LBN_DBLCLK to the parent
  InputResult UserType(HWND edit,
                       std::string_view text);           // the text becomes text, EN_CHANGE follows
  InputResult UserKey(HWND window, WPARAM virtual_key);  // WM_KEYDOWN, WM_CHAR (if any), WM_KEYUP
  InputResult UserClose(HWND top_level);                 // WM_CLOSE, as the close box sends it
  // Chooses a command of the open popup menu, as a click on its item does.
  InputResult UserChooseMenuCommand(HWND popup, UINT command_id);

  // --- Modal dialogs -----------------------------------------------------------------------------
  // Used by the dialogs and the popup menu: a modal window opens and closes. While one is open its
  // process's other windows take no input.
  void BeginModal(const ModalInfo& info);
  void EndModal(HWND window, int answer);
  std::vector<ModalInfo> OpenModals() const;  // oldest first
  std::optional<ModalInfo> TopModal() const;

  void AddObserver(DesktopObserver* observer);
  void RemoveObserver(DesktopObserver* observer);

  // --- Idle hooks and scheduled events ---------------------------------------------------------
  // Called whenever the loop has nothing to do, before time moves on. A hook may act (send
  // messages, click, post); the loop then goes on without letting time pass. Hooks may be entered
  // again from a modal loop that they started.
  int AddIdleHook(std::function<void()> hook);
  void RemoveIdleHook(int id);
  // Runs action once the clock's Now() reaches when (from the message loop, like a timer).
  int ScheduleAt(double when, std::function<void()> action);
  void CancelScheduled(int id);

  // --- Watchdog ----------------------------------------------------------------------------------
  // The loop throws WatchdogExpired once the clock passes this many seconds after the call.
  void SetWatchdog(double seconds_from_now);
  void ClearWatchdog();

  // --- Inspection --------------------------------------------------------------------------------
  std::vector<HWND> TopLevelWindows();      // front first
  std::vector<HWND> Children(HWND parent);  // front first
  // Counters for tests: how many messages were dispatched, how many idle quanta passed.
  std::uint64_t DispatchCount() const;
  // Tells the loop that something happened outside any message (an idle hook changed the scene
  // directly), so that it goes on without letting time pass.
  void NoteActivity();

  class Impl;
  Impl& impl() { return *impl_; }

 private:
  // moved: the clock the desktop moves, with virtual time only.
  SimDesktop(Clock& clock, VirtualClock* moved, TimeKind time);

  Clock& clock_;
  TimeKind time_;
  std::unique_ptr<Impl> impl_;
};

// Runs a nested loop until done() answers true (or the program quits): what every modal window
// and the popup menu use.
void RunModalLoop(WindowSystem& ws, const std::function<bool()>& done);

}  // namespace winsys::sim
