#pragma once
// The modal message box of the host toolkit, with the designer's vocabulary of buttons, icons
// and answers.

#include <string_view>

#include "shared/winsys/window_system.h"

namespace ui {

enum class MsgBoxButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MsgBoxIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
enum class MsgBoxAnswer { kOk, kCancel, kYes, kNo };

// Shows the box owned by owner (0: no owner) and waits for the answer while the message loop
// runs. A box that could not be shown, or whose answer is none of its buttons, answers as its
// last button would: Cancel, No for a Yes/No box, and OK for a box that has only OK.
MsgBoxAnswer MsgBox(winsys::WindowSystem& ws, winsys::HWND owner, std::string_view text,
                    MsgBoxButtons buttons, MsgBoxIcon icon, std::string_view title);

// The MB_* flags for a box.
winsys::UINT MessageBoxType(MsgBoxButtons buttons, MsgBoxIcon icon);

}  // namespace ui
