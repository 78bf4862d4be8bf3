#include "aol_automation/shape_finder.h"

namespace vornik32 {

using winsys::kNoWindow;

bool HasShape(winsys::WindowSystem& ws, HWND window, Signature signature) {
  if (window == kNoWindow) return false;
  for (const ChildCount& need : signature) {
    if (NthChild(ws, window, need.class_name, need.ordinal) == kNoWindow) return false;
  }
  return true;
}

ShapeSearch FindByShape(winsys::WindowSystem& ws, Signature signature) {
  const HWND mdi = MdiArea(ws);
  HWND current = FirstChild(ws, mdi, kContentWindowClass);
  ShapeSearch search;
  if (HasShape(ws, current, signature)) {
    search.window = current;
    return search;
  }
  while (search.further_probes < kFurtherProbes) {
    ws.DoEvents();
    ++search.further_probes;
    // The window we stand on may have gone during the yield; the next search then starts over.
    HWND next =
        mdi == kNoWindow ? kNoWindow : ws.FindWindowEx(mdi, current, kContentWindowClass, nullptr);
    if (next == kNoWindow) next = FirstChild(ws, mdi, kContentWindowClass);
    current = next;
    if (HasShape(ws, current, signature)) {
      search.window = current;
      return search;
    }
  }
  return search;
}

std::vector<HWND> WindowsOfShape(winsys::WindowSystem& ws, Signature signature) {
  std::vector<HWND> found;
  const HWND mdi = MdiArea(ws);
  if (mdi == kNoWindow) return found;
  for (HWND window = FirstChild(ws, mdi, kContentWindowClass); window != kNoWindow;
       window = ws.FindWindowEx(mdi, window, kContentWindowClass, nullptr)) {
    if (HasShape(ws, window, signature)) found.push_back(window);
  }
  return found;
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
