#pragma once
// Helpers the standard control procedures share: the text conventions of WM_GETTEXT and the list
// messages, and the WM_COMMAND notifications a control sends its parent.

#include <cstdint>
#include <string>
#include <string_view>

#include "shared/winsys/window_system.h"

namespace winsys::sim {

// The text lParam points at (WM_SETTEXT, LB_ADDSTRING, ...); a null pointer is the empty text.
std::string TextFromParam(LPARAM text);

// Copies as WM_GETTEXT does: at most capacity - 1 characters and a NUL; returns the characters
// copied. A capacity of 0 or a null buffer copies nothing.
LRESULT CopyTextOut(std::string_view text, WPARAM capacity, LPARAM buffer);

// Copies the whole text and a NUL, as LB_GETTEXT does (the caller sized the buffer with
// LB_GETTEXTLEN); returns the length, or failure for a null buffer.
LRESULT CopyWholeTextOut(std::string_view text, LPARAM buffer, LRESULT failure);

// A list index from wParam: the low 32 bits as a signed number, so that (WPARAM)-1 is -1 whether
// the sender's WPARAM is 32 or 64 bits wide.
int IndexFromParam(WPARAM index);

// WM_COMMAND(MakeWParam(id, code), control) to the control's parent, if it has one.
void NotifyParent(WindowSystem& system, HWND control, UINT code);

// The window's style bits.
DWORD StyleOf(WindowSystem& system, HWND window);

// The text a window holds, through WM_GETTEXTLENGTH and WM_GETTEXT.
std::string ReadWindowText(WindowSystem& system, HWND window);

// Ordering without regard to case in the 8-bit set (see text_compare.h), for sorted lists.
bool LessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace winsys::sim
