#pragma once
// One process's view of the simulated desktop: the WindowSystem that program sees. Windows it
// creates belong to it; its own address space and process handles live here, everything shared
// (windows, menus, the loop) lives in the desktop.

#include <map>
#include <string>

#include "shared/winsys/sim/address_space.h"
#include "shared/winsys/sim/desktop_impl.h"
#include "shared/winsys/window_system.h"

namespace winsys::sim {

class SimProcess : public WindowSystem {
 public:
  SimProcess(SimDesktop::Impl& desktop, DWORD id, std::string name);

  DWORD id() const { return id_; }
  const std::string& name() const { return name_; }
  AddressSpace& memory() { return memory_; }

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
  void SetPointerShape(PointerShape shape) override { pointer_shape_ = shape; }
  PointerShape GetPointerShape() override { return pointer_shape_; }
  int GetSystemMetrics(int index) override;

  DWORD GetWindowThreadProcessId(HWND window, DWORD* process_id) override;
  DWORD GetCurrentProcessId() override { return id_; }
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
  int exit_code() const { return exit_code_; }
  Clock& clock() override;

 private:
  SimDesktop::Impl& desktop_;
  DWORD id_;
  std::string name_;
  AddressSpace memory_;
  struct ProcessHandle {
    DWORD process_id = 0;
    DWORD access = 0;
  };

  std::map<HANDLE, ProcessHandle> process_handles_;
  HANDLE next_handle_ = 0x100;
  PointerShape pointer_shape_ = PointerShape::kNormal;
  bool quit_ = false;
  int exit_code_ = 0;
};

}  // namespace winsys::sim
