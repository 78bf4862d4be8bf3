#pragma once
// The dialog class "#32770" of the simulated desktop. A dialog is a top-level window whose child
// buttons answer it: the first BN_CLICKED from a child records that button's control id. Closing
// it (WM_CLOSE, or VK_ESCAPE) records the answer a close gives: IDCANCEL when it has a Cancel
// button, else IDNO when it has a No button, else IDOK when it has an OK button, else IDCANCEL.
// VK_RETURN clicks its default button (BS_DEFPUSHBUTTON). The window is not destroyed by any of
// these: whoever runs the dialog reads the answer and destroys it.

#include "shared/winsys/types.h"

namespace winsys::sim {

// Answers the recorded answer, or 0 while there is none. (Past the dialog's own WM_USER messages,
// DM_GETDEFID and its neighbours.)
inline constexpr UINT kQueryDialogAnswer = WM_USER + 0x100;

}  // namespace winsys::sim
