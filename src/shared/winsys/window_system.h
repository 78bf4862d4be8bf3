#pragma once
// The window-system seam: a portable subset of the Win32 window API. Everything the program and
// the stand-in client do to windows goes through one WindowSystem, which is either the simulated
// desktop (winsys/sim) or the real user32/kernel32 (winsys/win32). Each WindowSystem object is the
// view of one process: windows it creates belong to that process, and ReadProcessMemory reads
// other processes' address spaces.
//
// Semantics follow Win32 (see the conformance suite in tests/winsys):
// - class names and captions compare whole and without regard to case;
// - children enumerate in Z-order, front first; plain controls enumerate in creation order, an MDI
//   child goes to the front when created or activated; top-level windows enumerate newest or most
//   recently raised first;
// - SendMessage calls the window procedure at once; PostMessage queues; messages to 0 or to a
//   destroyed window do nothing and return 0;
// - WM_TIMER is produced only when no posted message waits, and missed periods collapse into one.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/winsys/clock.h"
#include "shared/winsys/types.h"

namespace winsys {

using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// What a file dialog asks for.
struct FileDialogSpec {
  std::string title;
  std::string filter_text;        // the file-type text shown, such as "Requests  (*.req)"
  std::string filter_pattern;     // such as "*.req"
  std::string default_extension;  // without the dot; appended to a name typed without one
  std::string initial_name;
};

enum class FileDialogKind { kOpen, kSave };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // --- Classes and windows -------------------------------------------------------------------
  // Registers a class; a class registered again under the same name (any case) replaces nothing
  // and returns false.
  virtual bool RegisterClass(std::string_view class_name, WindowProc procedure) = 0;
  // The procedure of a registered class, for superclassing: a new class calls it for what it
  // does not handle itself. Empty when there is no such class.
  virtual WindowProc ClassProcedure(std::string_view class_name) = 0;
  virtual LRESULT DefWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) = 0;
  // Replaces one window's procedure (GWLP_WNDPROC) and returns the one it had, which the new
  // procedure calls for what it does not handle itself.
  virtual WindowProc SubclassWindow(HWND window, WindowProc procedure) = 0;

  virtual HWND CreateWindow(const CreateParams& params) = 0;
  virtual bool DestroyWindow(HWND window) = 0;
  virtual bool IsWindow(HWND window) = 0;

  // Class and caption: nullptr matches any. Caption compares whole, without case.
  virtual HWND FindWindow(const char* class_name, const char* caption) = 0;
  // Direct children of parent (parent 0: top-level windows), starting after child_after.
  virtual HWND FindWindowEx(HWND parent, HWND child_after, const char* class_name,
                            const char* caption) = 0;
  virtual HWND GetWindow(HWND window, UINT relation) = 0;
  virtual HWND GetParent(HWND window) = 0;
  virtual std::string GetClassName(HWND window) = 0;
  virtual int GetDlgCtrlID(HWND window) = 0;
  virtual HWND GetDlgItem(HWND parent, int control_id) = 0;

  // --- Messages -------------------------------------------------------------------------------
  virtual LRESULT SendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) = 0;
  virtual bool PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) = 0;
  // The same send, for a caller that must tell an answer of 0 from no answer at all: nothing
  // when there is no such window, or when the window's process did not answer within the
  // bound of a send to another process (it is hung or busy). What was sent is still handled
  // when that process gets to it.
  virtual std::optional<LRESULT> SendMessageAnswered(HWND window, UINT message, WPARAM wparam,
                                                     LPARAM lparam) = 0;

  // --- State, text and geometry ---------------------------------------------------------------
  virtual bool ShowWindow(HWND window, int command) = 0;
  virtual bool IsWindowVisible(HWND window) = 0;  // the window and every ancestor visible
  virtual bool EnableWindow(HWND window, bool enable) = 0;
  virtual bool IsWindowEnabled(HWND window) = 0;
  // The stored caption; for a window of another process no message is sent.
  virtual std::string GetWindowText(HWND window) = 0;
  virtual int GetWindowTextLength(HWND window) = 0;
  virtual bool SetWindowText(HWND window, std::string_view text) = 0;
  virtual LONG_PTR GetWindowLongPtr(HWND window, int index) = 0;
  virtual LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) = 0;
  virtual bool GetWindowRect(HWND window, Rect& screen_rect) = 0;
  // For a child, relative to its parent's client area.
  virtual bool MoveWindow(HWND window, const Rect& rect) = 0;
  virtual bool SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height,
                            UINT flags) = 0;
  virtual bool IsTopmost(HWND window) = 0;
  virtual bool BringWindowToTop(HWND window) = 0;
  virtual bool SetForegroundWindow(HWND window) = 0;
  virtual HWND GetForegroundWindow() = 0;
  virtual HWND SetFocus(HWND window) = 0;
  virtual HWND GetFocus() = 0;

  // --- Cursor and screen ----------------------------------------------------------------------
  virtual Point GetCursorPos() = 0;
  virtual bool SetCursorPos(int x, int y) = 0;
  // The pointer shown over this program's windows, until it is set again (the hourglass while a
  // long procedure runs).
  virtual void SetPointerShape(PointerShape shape) = 0;
  virtual PointerShape GetPointerShape() = 0;
  virtual int GetSystemMetrics(int index) = 0;

  // --- Processes --------------------------------------------------------------------------------
  virtual DWORD GetWindowThreadProcessId(HWND window, DWORD* process_id) = 0;
  virtual DWORD GetCurrentProcessId() = 0;
  virtual HANDLE OpenProcess(DWORD access, bool inherit, DWORD process_id) = 0;
  // Copies size bytes at address of the process; false (and nothing copied) when any of them is
  // outside what the process has.
  virtual bool ReadProcessMemory(HANDLE process, std::uint32_t address, void* buffer,
                                 std::size_t size, std::size_t* bytes_read) = 0;
  virtual bool CloseHandle(HANDLE handle) = 0;
  // Memory of this process that other processes may read, at a 32-bit address (the stand-in
  // client keeps its member records there, as the 32-bit client does).
  virtual std::uint32_t AllocateMemory(std::size_t size) = 0;
  virtual bool WriteMemory(std::uint32_t address, const void* data, std::size_t size) = 0;

  // --- Menus ------------------------------------------------------------------------------------
  virtual HMENU CreateMenu() = 0;
  virtual HMENU CreatePopupMenu() = 0;
  virtual bool DestroyMenu(HMENU menu) = 0;
  // item is a command identifier, or the submenu's handle with MF_POPUP.
  virtual bool AppendMenu(HMENU menu, UINT flags, std::uintptr_t item, std::string_view text) = 0;
  virtual bool ModifyMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t item,
                          std::string_view text) = 0;
  virtual DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) = 0;
  virtual bool EnableMenuItem(HMENU menu, UINT item, UINT flags) = 0;
  virtual UINT GetMenuState(HMENU menu, UINT item, UINT flags) = 0;
  virtual HMENU GetMenu(HWND window) = 0;
  virtual bool SetMenu(HWND window, HMENU menu) = 0;
  virtual HMENU GetSubMenu(HMENU menu, int position) = 0;
  virtual int GetMenuItemCount(HMENU menu) = 0;
  virtual UINT GetMenuItemID(HMENU menu, int position) = 0;  // (UINT)-1 for a submenu
  // The item's text (flags MF_BYCOMMAND or MF_BYPOSITION), at most max_chars - 1 characters.
  virtual std::string GetMenuString(HMENU menu, UINT item, int max_chars, UINT flags) = 0;
  // Shows the popup as a top-level "#32768" window and runs its modal loop. It answers
  // WM_KEYDOWN VK_DOWN / VK_UP / VK_RIGHT / VK_RETURN / VK_ESCAPE posted to it. Returns the chosen
  // command (TPM_RETURNCMD) or sends WM_COMMAND to the owner and returns nonzero; 0 when cancelled.
  virtual int TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) = 0;

  // --- Timers -----------------------------------------------------------------------------------
  virtual std::uintptr_t SetTimer(HWND window, std::uintptr_t id, UINT milliseconds) = 0;
  virtual bool KillTimer(HWND window, std::uintptr_t id) = 0;

  // --- Clipboard --------------------------------------------------------------------------------
  virtual bool SetClipboardText(std::string_view text) = 0;
  virtual std::optional<std::string> GetClipboardText() = 0;

  // --- Modal dialogs of the host toolkit ---------------------------------------------------------
  // Each is a modal window of the desktop ("#32770"), answered by clicking its buttons. While
  // one is open its owner takes no input; timers keep firing, as they do under a modal dialog on
  // Windows.
  virtual int MessageBox(HWND owner, std::string_view text, std::string_view caption,
                         UINT type) = 0;
  // The typed text, or the empty text on Cancel.
  virtual std::string InputBox(HWND owner, std::string_view prompt, std::string_view title,
                               std::string_view default_text) = 0;
  // The chosen path, or the empty text on Cancel.
  virtual std::string FileDialog(HWND owner, FileDialogKind kind,
                                 const FileDialogSpec& request) = 0;

  // --- Message loop and time --------------------------------------------------------------------
  // Dispatches what is waiting (posted messages, then due timers) and returns. On the virtual
  // clock a DoEvents that finds nothing costs a small fixed quantum of virtual time.
  virtual void DoEvents() = 0;
  // When nothing is waiting, lets time pass until something is due or the clock's Now() reaches
  // deadline, whichever is first. Never burns a processor while it waits.
  virtual void WaitForWork(double deadline) = 0;
  // Ends the program's loop: ShouldQuit() answers true from then on.
  virtual void PostQuitMessage(int exit_code) = 0;
  virtual bool ShouldQuit() = 0;
  virtual Clock& clock() = 0;
};

}  // namespace winsys
