#pragma once
// The real window system: user32, kernel32 and comdlg32 behind the seam. One object is this
// process's view, as the simulated desktop's process views are. Handles crossing the seam are
// the real handle values; windows of another process are reached with bounded sends, so the
// program never freezes because the other program did.
//
// The window procedures of the classes registered here are std::functions: every such class has
// one static procedure that finds the window's function (its own after SubclassWindow, else its
// class's) and calls it. A window is bound on its first message, which arrives before
// CreateWindowEx returns.
//
// No platform header is included here; the sources include them.

#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shared/winsys/win32/win32_clock.h"
#include "shared/winsys/window_system.h"

struct tagMSG;  // the platform's MSG, only passed by reference here

namespace winsys::win32 {

struct Win32Options {
  // How long a message to another process's window may take before it is given up (and answered
  // with 0), and how long a hung window is waited for at all.
  UINT cross_process_timeout_ms = 5000;
};

class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(Win32Options options = {});
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  bool RegisterClass(std::string_view class_name, WindowProc procedure) override;
  WindowProc ClassProcedure(std::string_view class_name) override;
  LRESULT DefWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) override;
  WindowProc SubclassWindow(HWND window, WindowProc procedure) override;
  HWND CreateWindow(const CreateParams& params) override;
  bool DestroyWindow(HWND window) override;
  bool IsWindow(HWND window) override;
  HWND FindWindow(const char* class_name, const char* caption) override;
  HWND FindWindowEx(HWND parent, HWND child_after, const char* class_name,
                    const char* caption) override;
  HWND GetWindow(HWND window, UINT relation) override;
  HWND GetParent(HWND window) override;
  std::string GetClassName(HWND window) override;
  int GetDlgCtrlID(HWND window) override;
  HWND GetDlgItem(HWND parent, int control_id) override;

  LRESULT SendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) override;
  bool PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) override;
  std::optional<LRESULT> SendMessageAnswered(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) override;

  bool ShowWindow(HWND window, int command) override;
  bool IsWindowVisible(HWND window) override;
  bool EnableWindow(HWND window, bool enable) override;
  bool IsWindowEnabled(HWND window) override;
  std::string GetWindowText(HWND window) override;
  int GetWindowTextLength(HWND window) override;
  bool SetWindowText(HWND window, std::string_view text) override;
  LONG_PTR GetWindowLongPtr(HWND window, int index) override;
  LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) override;
  bool GetWindowRect(HWND window, Rect& screen_rect) override;
  bool MoveWindow(HWND window, const Rect& rect) override;
  bool SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height,
                    UINT flags) override;
  bool IsTopmost(HWND window) override;
  bool BringWindowToTop(HWND window) override;
  bool SetForegroundWindow(HWND window) override;
  HWND GetForegroundWindow() override;
  HWND SetFocus(HWND window) override;
  HWND GetFocus() override;

  Point GetCursorPos() override;
  bool SetCursorPos(int x, int y) override;
  void SetPointerShape(PointerShape shape) override;
  PointerShape GetPointerShape() override { return pointer_shape_; }
  int GetSystemMetrics(int index) override;

  DWORD GetWindowThreadProcessId(HWND window, DWORD* process_id) override;
  DWORD GetCurrentProcessId() override;
  HANDLE OpenProcess(DWORD access, bool inherit, DWORD process_id) override;
  bool ReadProcessMemory(HANDLE process, std::uint32_t address, void* buffer, std::size_t size,
                         std::size_t* bytes_read) override;
  bool CloseHandle(HANDLE handle) override;
  std::uint32_t AllocateMemory(std::size_t size) override;
  bool WriteMemory(std::uint32_t address, const void* data, std::size_t size) override;

  HMENU CreateMenu() override;
  HMENU CreatePopupMenu() override;
  bool DestroyMenu(HMENU menu) override;
  bool AppendMenu(HMENU menu, UINT flags, std::uintptr_t item, std::string_view text) override;
  bool ModifyMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t item,
                  std::string_view text) override;
  DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) override;
  bool EnableMenuItem(HMENU menu, UINT item, UINT flags) override;
  UINT GetMenuState(HMENU menu, UINT item, UINT flags) override;
  HMENU GetMenu(HWND window) override;
  bool SetMenu(HWND window, HMENU menu) override;
  HMENU GetSubMenu(HMENU menu, int position) override;
  int GetMenuItemCount(HMENU menu) override;
  UINT GetMenuItemID(HMENU menu, int position) override;
  std::string GetMenuString(HMENU menu, UINT item, int max_chars, UINT flags) override;
  int TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) override;

  std::uintptr_t SetTimer(HWND window, std::uintptr_t id, UINT milliseconds) override;
  bool KillTimer(HWND window, std::uintptr_t id) override;

  bool SetClipboardText(std::string_view text) override;
  std::optional<std::string> GetClipboardText() override;

  int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) override;
  std::string InputBox(HWND owner, std::string_view prompt, std::string_view title,
                       std::string_view default_text) override;
  std::string FileDialog(HWND owner, FileDialogKind kind, const FileDialogSpec& request) override;

  void DoEvents() override;
  void WaitForWork(double deadline) override;
  void PostQuitMessage(int exit_code) override;
  bool ShouldQuit() override { return quit_; }
  Clock& clock() override { return clock_; }

  // For the static window procedure: the procedure bound to a window, binding it first when this
  // is the window's first message.
  std::shared_ptr<const WindowProc> ProcedureOf(HWND window);
  void BindWindow(HWND window, const std::string& class_key);
  void ForgetWindow(HWND window);
  // While WM_CREATE is being handled: the window's real creation record, which a wrapped platform
  // procedure needs in place of the seam's CreateParams.
  void NoteCreating(HWND window, LPARAM create_struct);
  LPARAM CreatingRecord(HWND window) const;
  void DoneCreating(HWND window);

 private:
  // A piece of memory below 4 GB that records are handed out from.
  struct Arena {
    std::uint32_t base = 0;
    std::size_t size = 0;
    std::size_t used = 0;
  };

  WindowProc WrapPlatformProcedure(std::uintptr_t procedure);
  // One message of a DoEvents round; true when it ends the round.
  bool Dispatch(const ::tagMSG& message, WPARAM round);
  // Dispatches, at most a bounded run of them, the waiting messages that are only (all when 0)
  // and of the queue kinds (PM_QS_... flags, 0 for all); how many it dispatched.
  int DispatchRun(UINT only, UINT kinds, WPARAM round);
  // The kinds of message waiting in the queue (QS_... bits).
  UINT WaitingKinds();
  bool OwnClass(const std::string& class_key) const { return classes_.count(class_key) != 0; }
  bool IsOtherProcessWindow(HWND window);
  // How the text of a message is carried: the platform's ANSI or its wide characters.
  enum class Characters { kAnsi, kWide };
  // SendMessageTimeout towards another program, bounded by the cross-process timeout; nothing when
  // the answer did not come.
  std::optional<LRESULT> SendBounded(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     Characters characters);
  // LB_GETTEXT and CB_GETLBTEXT towards another program, asked in wide characters and converted
  // here (see the definition); the length messages beside them. Nothing when a message of theirs
  // went unanswered.
  std::optional<LRESULT> GetItemTextAcross(HWND window, UINT length_message, UINT text_message,
                                           WPARAM item, LPARAM buffer);
  std::optional<LRESULT> GetItemLengthAcross(HWND window, UINT length_message, WPARAM item);
  // One of the four item messages above (IsItemMessage), as they carry it.
  std::optional<LRESULT> SendItemMessageAcross(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam);

  // One item of another program's list or combo box, by the length message that asks for it.
  struct ItemKey {
    HWND window = kNoWindow;
    UINT length_message = 0;
    WPARAM item = 0;
    auto operator<=>(const ItemKey&) const = default;
  };

  Win32Options options_;
  // The font every window made here is given (an HFONT), owned by this view.
  std::uintptr_t dialog_font_ = 0;
  // The program's icon (HICONs; 0 in a program without one) its classes show, owned by this view.
  std::uintptr_t large_icon_ = 0;
  std::uintptr_t small_icon_ = 0;
  PointerShape pointer_shape_ = PointerShape::kNormal;
  Win32Clock clock_;
  bool quit_ = false;
  WPARAM event_rounds_ = 0;
  std::map<std::string, std::shared_ptr<const WindowProc>> classes_;  // by lower-case name
  std::map<HWND, std::shared_ptr<const WindowProc>> windows_;
  std::map<HWND, LPARAM> creating_;
  std::vector<std::string> class_names_;
  std::vector<Arena> arenas_;
  std::map<ItemKey, LRESULT> told_lengths_;
};

}  // namespace winsys::win32
