#pragma once
// The client's window classes. Its controls are superclasses of the desktop's standard ones
// (text fields of "Edit", lists of "ListBox", check boxes of "Button"); its frames, panes and
// picture buttons start from the default window procedure. The class procedures only pass
// messages on: what a particular window does is attached to it (MessageRouter).

#include "shared/winsys/window_system.h"

namespace aolsim {

namespace classes {
inline constexpr const char* kFrame = "AOL Frame25";
inline constexpr const char* kChild = "AOL Child";
inline constexpr const char* kToolbar = "AOL Toolbar";
inline constexpr const char* kInnerToolbar = "_AOL_Toolbar";
inline constexpr const char* kIcon = "_AOL_Icon";
inline constexpr const char* kRichText = "RICHCNTL";
inline constexpr const char* kEdit = "_AOL_Edit";
inline constexpr const char* kListbox = "_AOL_Listbox";
inline constexpr const char* kTree = "_AOL_Tree";
inline constexpr const char* kCheckbox = "_AOL_Checkbox";
inline constexpr const char* kStatic = "_AOL_Static";
inline constexpr const char* kImage = "_AOL_Image";
inline constexpr const char* kView = "_AOL_View";
inline constexpr const char* kFontCombo = "_AOL_FontCombo";
inline constexpr const char* kCombobox = "_AOL_Combobox";
inline constexpr const char* kModal = "_AOL_Modal";
inline constexpr const char* kAolModal = "AOL Modal";
// The desktop's own classes the client uses.
inline constexpr const char* kMdiClient = "MDIClient";
inline constexpr const char* kPopupMenu = "#32768";
inline constexpr const char* kDialog = "#32770";
inline constexpr const char* kButton = "Button";
inline constexpr const char* kStandardEdit = "Edit";
inline constexpr const char* kStandardStatic = "Static";
inline constexpr const char* kStandardListBox = "ListBox";
}  // namespace classes

// Registers them for the process; a class already registered (by an earlier client of the same
// process) is left as it is, since it does the same.
void RegisterClientClasses(winsys::WindowSystem& ws);

}  // namespace aolsim
