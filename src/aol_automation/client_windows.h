#pragma once
// The client's window tree as the automation sees it: the class names and fixed captions it looks
// for, and the lookups everything else is built from. Nothing is cached: every lookup walks the
// tree afresh. A lookup inside window 0 finds nothing (the seam would otherwise search the
// top-level windows), so a missing window anywhere in a path makes the whole path 0.

#include <string_view>
#include <vector>

#include "shared/winsys/window_system.h"

namespace vornik32 {

using winsys::HWND;

// Window classes.
inline constexpr const char* kMainWindowClass = "AOL Frame25";
inline constexpr const char* kMdiAreaClass = "MDIClient";
inline constexpr const char* kToolbarClass = "AOL Toolbar";
inline constexpr const char* kToolbarStripClass = "_AOL_Toolbar";
inline constexpr const char* kContentWindowClass = "AOL Child";
inline constexpr const char* kClientDialogClass = "_AOL_Modal";
inline constexpr const char* kMessageBoxClass = "#32770";
inline constexpr const char* kPopupMenuClass = "#32768";
inline constexpr const char* kRichTextClass = "RICHCNTL";
inline constexpr const char* kEditClass = "_AOL_Edit";
inline constexpr const char* kListClass = "_AOL_Listbox";
inline constexpr const char* kTreeClass = "_AOL_Tree";
inline constexpr const char* kCheckboxClass = "_AOL_Checkbox";
inline constexpr const char* kIconClass = "_AOL_Icon";
inline constexpr const char* kComboboxClass = "_AOL_Combobox";
inline constexpr const char* kFontComboClass = "_AOL_FontCombo";
inline constexpr const char* kStaticClass = "_AOL_Static";
inline constexpr const char* kImageClass = "_AOL_Image";
inline constexpr const char* kViewClass = "_AOL_View";
inline constexpr const char* kPlainEditClass = "Edit";
inline constexpr const char* kPlainButtonClass = "Button";

// Fixed captions.
inline constexpr const char* kMailboxCaption = "Incoming/Saved Mail";
inline constexpr const char* kWriteMailCaption = "Write Mail";
inline constexpr const char* kAutomaticAolCaption = "Automatic AOL";
inline constexpr const char* kMailPreferencesCaption = "Mail Preferences";
inline constexpr const char* kNewInstantMessageCaption = "Send Instant Message";
inline constexpr const char* kConversationCaptionStart = "  Instant Message To: ";
inline constexpr const char* kNoticeCaption = "America Online";
// The menu bar item that stops a mail's text from coming in.
inline constexpr const char* kStopIncomingText = "S&top Incoming Text";

// Classes whose windows hold a live text ("RICHCNTL", "_AOL_Edit", "Edit"), and lists that
// answer list box messages ("_AOL_Tree", "_AOL_Listbox"); names compare without case.
bool IsTextClass(std::string_view class_name);
bool IsListClass(std::string_view class_name);

// The ordinal-th child (from 1) of parent with the class: the first such child, then the next
// after it, and so on. 0 when parent is 0 or has fewer such children.
HWND NthChild(winsys::WindowSystem& ws, HWND parent, const char* class_name, int ordinal);
// The first child of parent with the class and, unless caption is nullptr, the caption.
HWND FirstChild(winsys::WindowSystem& ws, HWND parent, const char* class_name,
                const char* caption = nullptr);

HWND MainWindow(winsys::WindowSystem& ws);
HWND MdiArea(winsys::WindowSystem& ws);
// "_AOL_Toolbar" inside "AOL Toolbar" of the main window.
HWND ToolbarStrip(winsys::WindowSystem& ws);
// The button-th picture button (from 1) of the toolbar.
HWND ToolbarButton(winsys::WindowSystem& ws, int button);
// The content window ("AOL Child" in the MDI area) with the caption.
HWND ContentWindow(winsys::WindowSystem& ws, const char* caption);
// Every content window with the caption, in child order.
std::vector<HWND> ContentWindows(winsys::WindowSystem& ws, const char* caption);

// Messages with text and clicks, in the two ways the client is driven.
void SetWindowTextByMessage(winsys::WindowSystem& ws, HWND window, std::string_view text);
void PostClick(winsys::WindowSystem& ws, HWND window);  // handled by the client later
void SendClick(winsys::WindowSystem& ws, HWND window);  // handled before the call returns
void PostKey(winsys::WindowSystem& ws, HWND window, winsys::WPARAM virtual_key);
// BM_SETCHECK with wParam 0 (cleared) or -1 (set), as the client's check boxes expect.
enum class Check { kCleared, kSet };
void SetCheck(winsys::WindowSystem& ws, HWND checkbox, Check state);

}  // namespace vornik32
