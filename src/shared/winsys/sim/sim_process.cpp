#include "shared/winsys/sim/sim_process.h"

#include "shared/winsys/sim/dialogs.h"
#include "shared/winsys/sim/popup_menu.h"

namespace winsys::sim {

SimProcess::SimProcess(SimDesktop::Impl& desktop, DWORD id, std::string name)
    : desktop_(desktop), id_(id), name_(std::move(name)) {}

bool SimProcess::RegisterClass(std::string_view class_name, WindowProc procedure) {
  return desktop_.RegisterClass(id_, class_name, std::move(procedure));
}

WindowProc SimProcess::ClassProcedure(std::string_view class_name) {
  return desktop_.ClassProcedure(id_, class_name);
}

LRESULT SimProcess::DefWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return desktop_.DefWindowProc(window, message, wparam, lparam);
}

WindowProc SimProcess::SubclassWindow(HWND window, WindowProc procedure) {
  return desktop_.SubclassWindow(id_, window, std::move(procedure));
}

HWND SimProcess::CreateWindow(const CreateParams& params) {
  return desktop_.CreateWindow(id_, params);
}

bool SimProcess::DestroyWindow(HWND window) {
  return desktop_.DestroyWindow(id_, window);
}

bool SimProcess::IsWindow(HWND window) {
  return desktop_.IsWindow(window);
}

HWND SimProcess::FindWindow(const char* class_name, const char* caption) {
  return desktop_.FindWindowEx(kNoWindow, kNoWindow, class_name, caption);
}

HWND SimProcess::FindWindowEx(HWND parent, HWND child_after, const char* class_name,
                              const char* caption) {
  return desktop_.FindWindowEx(parent, child_after, class_name, caption);
}

HWND SimProcess::GetWindow(HWND window, UINT relation) {
  return desktop_.GetWindow(window, relation);
}

HWND SimProcess::GetParent(HWND window) {
  return desktop_.GetParent(window);
}

std::string SimProcess::GetClassName(HWND window) {
  return desktop_.GetClassName(window);
}

int SimProcess::GetDlgCtrlID(HWND window) {
  return desktop_.GetDlgCtrlID(window);
}

HWND SimProcess::GetDlgItem(HWND parent, int control_id) {
  return desktop_.GetDlgItem(parent, control_id);
}

// A send that got no answer from a hung program reads 0, as SendMessageTimeout leaves it.
LRESULT SimProcess::SendMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return desktop_.SendFrom(id_, window, message, wparam, lparam).value_or(0);
}

std::optional<LRESULT> SimProcess::SendMessageAnswered(HWND window, UINT message, WPARAM wparam,
                                                       LPARAM lparam) {
  return desktop_.SendFrom(id_, window, message, wparam, lparam);
}

bool SimProcess::PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return desktop_.PostMessage(window, message, wparam, lparam);
}

bool SimProcess::ShowWindow(HWND window, int command) {
  return desktop_.ShowWindow(window, command);
}

bool SimProcess::IsWindowVisible(HWND window) {
  return desktop_.IsWindowVisible(window);
}

bool SimProcess::EnableWindow(HWND window, bool enable) {
  return desktop_.EnableWindow(window, enable);
}

bool SimProcess::IsWindowEnabled(HWND window) {
  return desktop_.IsWindowEnabled(window);
}

std::string SimProcess::GetWindowText(HWND window) {
  return desktop_.GetWindowText(id_, window);
}

int SimProcess::GetWindowTextLength(HWND window) {
  return desktop_.GetWindowTextLength(id_, window);
}

bool SimProcess::SetWindowText(HWND window, std::string_view text) {
  return desktop_.SetWindowText(window, text);
}

LONG_PTR SimProcess::GetWindowLongPtr(HWND window, int index) {
  return desktop_.GetWindowLongPtr(window, index);
}

LONG_PTR SimProcess::SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
  return desktop_.SetWindowLongPtr(window, index, value);
}

bool SimProcess::GetWindowRect(HWND window, Rect& screen_rect) {
  return desktop_.GetWindowRect(window, screen_rect);
}

bool SimProcess::MoveWindow(HWND window, const Rect& rect) {
  return desktop_.MoveWindow(window, rect);
}

bool SimProcess::SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height,
                              UINT flags) {
  return desktop_.SetWindowPos(window, insert_after, x, y, width, height, flags);
}

bool SimProcess::IsTopmost(HWND window) {
  return desktop_.IsTopmost(window);
}

bool SimProcess::BringWindowToTop(HWND window) {
  return desktop_.BringWindowToTop(window);
}

bool SimProcess::SetForegroundWindow(HWND window) {
  return desktop_.SetForegroundWindow(window);
}

HWND SimProcess::GetForegroundWindow() {
  return desktop_.GetForegroundWindow();
}

HWND SimProcess::SetFocus(HWND window) {
  return desktop_.SetFocus(window);
}

HWND SimProcess::GetFocus() {
  return desktop_.GetFocus(id_);
}

Point SimProcess::GetCursorPos() {
  return desktop_.GetCursorPos();
}

bool SimProcess::SetCursorPos(int x, int y) {
  return desktop_.SetCursorPos(x, y);
}

int SimProcess::GetSystemMetrics(int index) {
  return SimDesktop::Impl::SystemMetric(index);
}

DWORD SimProcess::GetWindowThreadProcessId(HWND window, DWORD* process_id) {
  return desktop_.GetWindowThreadProcessId(window, process_id);
}

HANDLE SimProcess::OpenProcess(DWORD access, bool /*inherit*/, DWORD process_id) {
  // As on Windows, a handle is had for any existing process whatever the access asked; the
  // access decides what the handle may do later.
  if (desktop_.FindProcess(process_id) == nullptr) return 0;
  const HANDLE handle = next_handle_;
  next_handle_ += 4;
  process_handles_[handle] = ProcessHandle{process_id, access};
  return handle;
}

bool SimProcess::ReadProcessMemory(HANDLE process, std::uint32_t address, void* buffer,
                                   std::size_t size, std::size_t* bytes_read) {
  if (bytes_read != nullptr) *bytes_read = 0;
  const auto found = process_handles_.find(process);
  if (found == process_handles_.end() || (found->second.access & PROCESS_VM_READ) == 0 ||
      (buffer == nullptr && size != 0)) {
    return false;
  }
  SimProcess* target = desktop_.FindProcess(found->second.process_id);
  if (target == nullptr || !target->memory().Read(address, buffer, size)) return false;
  if (bytes_read != nullptr) *bytes_read = size;
  return true;
}

bool SimProcess::CloseHandle(HANDLE handle) {
  return process_handles_.erase(handle) != 0;
}

std::uint32_t SimProcess::AllocateMemory(std::size_t size) {
  return memory_.Allocate(size);
}

bool SimProcess::WriteMemory(std::uint32_t address, const void* data, std::size_t size) {
  if (data == nullptr && size != 0) return false;
  return memory_.Write(address, data, size);
}

HMENU SimProcess::CreateMenu() {
  return desktop_.menus().Create(false);
}

HMENU SimProcess::CreatePopupMenu() {
  return desktop_.menus().Create(true);
}

bool SimProcess::DestroyMenu(HMENU menu) {
  return desktop_.menus().Destroy(menu);
}

bool SimProcess::AppendMenu(HMENU menu, UINT flags, std::uintptr_t item, std::string_view text) {
  return desktop_.menus().Append(menu, flags, item, text);
}

bool SimProcess::ModifyMenu(HMENU menu, UINT position, UINT flags, std::uintptr_t item,
                            std::string_view text) {
  return desktop_.menus().Modify(menu, position, flags, item, text);
}

DWORD SimProcess::CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  return desktop_.menus().Check(menu, item, flags);
}

bool SimProcess::EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  return desktop_.menus().Enable(menu, item, flags);
}

UINT SimProcess::GetMenuState(HMENU menu, UINT item, UINT flags) {
  return desktop_.menus().State(menu, item, flags);
}

HMENU SimProcess::GetMenu(HWND window) {
  return desktop_.GetMenu(window);
}

bool SimProcess::SetMenu(HWND window, HMENU menu) {
  return desktop_.SetMenu(window, menu);
}

HMENU SimProcess::GetSubMenu(HMENU menu, int position) {
  return desktop_.menus().SubMenu(menu, position);
}

int SimProcess::GetMenuItemCount(HMENU menu) {
  return desktop_.menus().ItemCount(menu);
}

UINT SimProcess::GetMenuItemID(HMENU menu, int position) {
  return desktop_.menus().ItemId(menu, position);
}

std::string SimProcess::GetMenuString(HMENU menu, UINT item, int max_chars, UINT flags) {
  return desktop_.menus().String(menu, item, max_chars, flags);
}

int SimProcess::TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
  return RunPopupMenu(desktop_.desktop(), *this, menu, flags, x, y, owner);
}

std::uintptr_t SimProcess::SetTimer(HWND window, std::uintptr_t id, UINT milliseconds) {
  return desktop_.SetTimer(id_, window, id, milliseconds);
}

bool SimProcess::KillTimer(HWND window, std::uintptr_t id) {
  return desktop_.KillTimer(id_, window, id);
}

bool SimProcess::SetClipboardText(std::string_view text) {
  return desktop_.SetClipboardText(text);
}

std::optional<std::string> SimProcess::GetClipboardText() {
  return desktop_.GetClipboardText();
}

int SimProcess::MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
  return RunMessageBox(desktop_.desktop(), *this, owner, text, caption, type);
}

std::string SimProcess::InputBox(HWND owner, std::string_view prompt, std::string_view title,
                                 std::string_view default_text) {
  return RunInputBox(desktop_.desktop(), *this, owner, prompt, title, default_text);
}

std::string SimProcess::FileDialog(HWND owner, FileDialogKind kind, const FileDialogSpec& request) {
  return RunFileDialog(desktop_.desktop(), *this, owner, kind, request);
}

void SimProcess::DoEvents() {
  desktop_.loop().DoEvents();
}

void SimProcess::WaitForWork(double deadline) {
  desktop_.loop().WaitForWork(deadline);
}

void SimProcess::PostQuitMessage(int exit_code) {
  desktop_.loop().NoteActivity();
  quit_ = true;
  exit_code_ = exit_code;
}

Clock& SimProcess::clock() {
  return desktop_.clock();
}

}  // namespace winsys::sim
