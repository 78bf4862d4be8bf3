#pragma once
// The small operations on single windows that the rest of the automation is built from. Each
// accepts window 0 and then does nothing (or answers the empty text, 0).

#include <optional>
#include <string>

#include "shared/winsys/window_system.h"

namespace vornik32 {

using winsys::HWND;

// The window's whole live text (WM_GETTEXTLENGTH, then WM_GETTEXT).
std::string GetText(winsys::WindowSystem& ws, HWND window);
// WM_LBUTTONDOWN then WM_LBUTTONUP, sent: both are handled when the call returns.
void ClickWindow(winsys::WindowSystem& ws, HWND window);
// Posts WM_CLOSE and returns at once.
void CloseWindow(winsys::WindowSystem& ws, HWND window);
// LB_GETCOUNT. A client that did not answer reads as 0 here: where that matters, ask
// AnsweredListCount.
int ListCount(winsys::WindowSystem& ws, HWND list);
// LB_GETCOUNT as the client answered it; nothing when there is no such list, the client did not
// answer (hung or busy), or it answered LB_ERR.
std::optional<int> AnsweredListCount(winsys::WindowSystem& ws, HWND list);
// The window's whole live text, or nothing when either message went unanswered.
std::optional<std::string> AnsweredText(winsys::WindowSystem& ws, HWND window);
// WM_SETTEXT, and whether the client answered that it took the text.
bool SetTextAnswered(winsys::WindowSystem& ws, HWND window, std::string_view text);
// LB_SETCURSEL with the 0-based index.
void SetListIndex(winsys::WindowSystem& ws, HWND list, int index);
void HideWindow(winsys::WindowSystem& ws, HWND window);

// Whether the client's Welcome window is open.
bool IsSignedOn(winsys::WindowSystem& ws);
// The signed-on screen name as the client shows it, cut out of the Welcome window's caption;
// the empty text when there is no Welcome window or its caption is too short.
std::string UserScreenName(winsys::WindowSystem& ws);
// The same cut, of a Welcome caption already read, for the layout it was read in.
enum class ClientVersion { kAol4, kAol5 };
std::string ScreenNameInWelcomeCaption(std::string_view caption, ClientVersion version);

}  // namespace vornik32

namespace aol432 {

// Whether the client has the 5.0 layout: its 22nd toolbar button stands to the right of the
// address box. Asked afresh on every call; false without a toolbar.
bool IsAOL5(winsys::WindowSystem& ws);

}  // namespace aol432
