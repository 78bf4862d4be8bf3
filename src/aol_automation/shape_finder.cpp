#include "aol_automation/shape_finder.h"

#include "aol_automation/text_case.h"

namespace vornik32 {

using winsys::kNoWindow;

// The needs of a single child go first: each is one search, and they are what the other kinds
// of content window lack, so a probe of a window of another kind mostly ends at its first search
// instead of counting its way up to a dozen icons. The answer does not depend on the order.
bool HasShape(winsys::WindowSystem& ws, HWND window, Signature signature) {
  if (window == kNoWindow) return false;
  for (const bool single : {true, false}) {
    for (const ChildCount& need : signature) {
      if ((need.ordinal == 1) != single) continue;
      if (NthChild(ws, window, need.class_name, need.ordinal) == kNoWindow) return false;
    }
  }
  return true;
}

namespace {

std::vector<HWND> ContentWindowsInOrder(winsys::WindowSystem& ws, HWND mdi) {
  std::vector<HWND> windows;
  if (mdi == kNoWindow) return windows;
  for (HWND window = FirstChild(ws, mdi, kContentWindowClass); window != kNoWindow;
       window = ws.FindWindowEx(mdi, window, kContentWindowClass, nullptr)) {
    windows.push_back(window);
  }
  return windows;
}

}  // namespace

// The windows are listed before the walk: one that goes during a yield cannot cut the walk short
// or send it round again, and the walk ends with the last window there was.
ShapeSearch FindByShape(winsys::WindowSystem& ws, Signature signature) {
  const std::vector<HWND> windows = ContentWindowsInOrder(ws, MdiArea(ws));
  ShapeSearch search;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (i > 0) {
      ws.DoEvents();
      ++search.further_probes;
    }
    if (HasShape(ws, windows[i], signature)) {
      search.window = windows[i];
      return search;
    }
  }
  return search;
}

std::vector<HWND> WindowsOfShape(winsys::WindowSystem& ws, Signature signature) {
  std::vector<HWND> found;
  for (const HWND window : ContentWindowsInOrder(ws, MdiArea(ws))) {
    if (HasShape(ws, window, signature)) found.push_back(window);
  }
  return found;
}

HWND WindowOfShapeFoundBefore(winsys::WindowSystem& ws, Signature signature, HWND last) {
  const HWND mdi = MdiArea(ws);
  if (mdi == kNoWindow) return kNoWindow;
  if (last != kNoWindow && ws.GetParent(last) == mdi &&
      EqualIgnoringCase(ws.GetClassName(last), kContentWindowClass) &&
      HasShape(ws, last, signature)) {
    return last;
  }
  for (const HWND window : ContentWindowsInOrder(ws, mdi)) {
    if (HasShape(ws, window, signature)) return window;
  }
  return kNoWindow;
}

HWND FindChatRoom(winsys::WindowSystem& ws) {
  return FindByShape(ws, kChatRoomShape).window;
}

HWND FindReadMailWindow(winsys::WindowSystem& ws) {
  return FindByShape(ws, kReadMailShape).window;
}

HWND FindComposeWindow(winsys::WindowSystem& ws) {
  return FindByShape(ws, kComposeShape).window;
}

HWND FindWelcomeWindow(winsys::WindowSystem& ws) {
  return FindByShape(ws, kWelcomeShape).window;
}

}  // namespace vornik32
