#include "aol_automation/client_windows.h"

#include <string>

#include "aol_automation/text_case.h"

namespace vornik32 {

using winsys::kNoWindow;

bool IsTextClass(std::string_view class_name) {
  return EqualIgnoringCase(class_name, kRichTextClass) ||
         EqualIgnoringCase(class_name, kEditClass) ||
         EqualIgnoringCase(class_name, kPlainEditClass);
}

bool IsListClass(std::string_view class_name) {
  return EqualIgnoringCase(class_name, kTreeClass) || EqualIgnoringCase(class_name, kListClass);
}

HWND NthChild(winsys::WindowSystem& ws, HWND parent, const char* class_name, int ordinal) {
  if (parent == kNoWindow || ordinal < 1) return kNoWindow;
  HWND child = kNoWindow;
  for (int found = 0; found < ordinal; ++found) {
    child = ws.FindWindowEx(parent, child, class_name, nullptr);
    if (child == kNoWindow) return kNoWindow;
  }
  return child;
}

HWND FirstChild(winsys::WindowSystem& ws, HWND parent, const char* class_name,
                const char* caption) {
  if (parent == kNoWindow) return kNoWindow;
  return ws.FindWindowEx(parent, kNoWindow, class_name, caption);
}

HWND MainWindow(winsys::WindowSystem& ws) {
  return ws.FindWindow(kMainWindowClass, nullptr);
}

HWND MdiArea(winsys::WindowSystem& ws) {
  return FirstChild(ws, MainWindow(ws), kMdiAreaClass);
}

HWND ToolbarStrip(winsys::WindowSystem& ws) {
  return FirstChild(ws, FirstChild(ws, MainWindow(ws), kToolbarClass), kToolbarStripClass);
}

HWND ToolbarButton(winsys::WindowSystem& ws, int button) {
  return NthChild(ws, ToolbarStrip(ws), kIconClass, button);
}

HWND ContentWindow(winsys::WindowSystem& ws, const char* caption) {
  return FirstChild(ws, MdiArea(ws), kContentWindowClass, caption);
}

std::vector<HWND> ContentWindows(winsys::WindowSystem& ws, const char* caption) {
  std::vector<HWND> found;
  const HWND mdi = MdiArea(ws);
  if (mdi == winsys::kNoWindow) return found;
  for (HWND window = FirstChild(ws, mdi, kContentWindowClass, caption); window != winsys::kNoWindow;
       window = ws.FindWindowEx(mdi, window, kContentWindowClass, caption)) {
    found.push_back(window);
  }
  return found;
}

void SetWindowTextByMessage(winsys::WindowSystem& ws, HWND window, std::string_view text) {
  // The client's controls take a NUL-ended text; the bytes go in unchanged.
  const std::string terminated(text);
  ws.SendMessage(window, winsys::WM_SETTEXT, 0,
                 reinterpret_cast<winsys::LPARAM>(terminated.c_str()));
}

void PostClick(winsys::WindowSystem& ws, HWND window) {
  ws.PostMessage(window, winsys::WM_LBUTTONDOWN, 0, 0);
  ws.PostMessage(window, winsys::WM_LBUTTONUP, 0, 0);
}

void SendClick(winsys::WindowSystem& ws, HWND window) {
  ws.SendMessage(window, winsys::WM_LBUTTONDOWN, 0, 0);
  ws.SendMessage(window, winsys::WM_LBUTTONUP, 0, 0);
}

void PostKey(winsys::WindowSystem& ws, HWND window, winsys::WPARAM virtual_key) {
  ws.PostMessage(window, winsys::WM_KEYDOWN, virtual_key, 0);
  ws.PostMessage(window, winsys::WM_KEYUP, virtual_key, 0);
}

void SetCheck(winsys::WindowSystem& ws, HWND checkbox, Check state) {
  const winsys::WPARAM value = state == Check::kSet ? static_cast<winsys::WPARAM>(-1) : 0;
  ws.SendMessage(checkbox, winsys::BM_SETCHECK, value, 0);
}

}  // namespace vornik32
