#pragma once
// Finding the client's content windows by the shape of their children. A window matches a
// signature when it has, for every class of the signature, at least the given number of children
// of that class; a probe only asks whether those children exist and reads no text, so that the
// waiting loops that repeat searches every tenth of a second stay cheap.

#include <span>
#include <vector>

#include "aol_automation/client_windows.h"

namespace vornik32 {

struct ChildCount {
  const char* class_name;
  int ordinal;  // the window must have at least this many children of the class
};

using Signature = std::span<const ChildCount>;

inline constexpr ChildCount kChatRoomShape[] = {
    {kStaticClass, 5},   {kRichTextClass, 2}, {kIconClass, 14},
    {kComboboxClass, 1}, {kImageClass, 1},    {kListClass, 1},
};
inline constexpr ChildCount kReadMailShape[] = {
    {kStaticClass, 6},
    {kRichTextClass, 1},
    {kIconClass, 10},
    {kViewClass, 1},
};
inline constexpr ChildCount kComposeShape[] = {
    {kStaticClass, 7},    {kRichTextClass, 1}, {kIconClass, 15},    {kEditClass, 3},
    {kFontComboClass, 1}, {kComboboxClass, 1}, {kCheckboxClass, 1},
};
inline constexpr ChildCount kWelcomeShape[] = {
    {kRichTextClass, 8},
    {kIconClass, 21},
};

struct ShapeSearch {
  HWND window = winsys::kNoWindow;  // the first match in the walk, or 0
  int further_probes = 0;           // probes after the first window (each after one yield)
};

// Whether window (0 never does) has the children of the signature.
bool HasShape(winsys::WindowSystem& ws, HWND window, Signature signature);

// The walk over the MDI area's "AOL Child" windows in child order: the first one, then every
// further one with a yield to the message loop before each. So the first matching window in child
// order wins, and a search that finds nothing has looked at every content window there was when
// it began: no number of windows a person opens hides one behind them.
ShapeSearch FindByShape(winsys::WindowSystem& ws, Signature signature);

// Every content window that has the shape, in child order, found without yielding: the
// automation takes a snapshot before it acts, to tell the windows its action opens from those
// that were there already (a person's).
std::vector<HWND> WindowsOfShape(winsys::WindowSystem& ws, Signature signature);
// A content window that has the shape (0 when none has), found without yielding. last, the one
// found at the previous look, is probed first: a look repeated every tick finds the same window
// again without walking the others. A handle is not an identity (Windows gives a closed window's
// handle out again), so last is probed only while it is still a content window of the MDI area;
// when it is not, or has lost the shape, every content window is probed, the first match winning.
HWND WindowOfShapeFoundBefore(winsys::WindowSystem& ws, Signature signature, HWND last);

HWND FindChatRoom(winsys::WindowSystem& ws);
HWND FindReadMailWindow(winsys::WindowSystem& ws);
HWND FindComposeWindow(winsys::WindowSystem& ws);
HWND FindWelcomeWindow(winsys::WindowSystem& ws);

}  // namespace vornik32
