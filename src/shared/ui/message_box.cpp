#include "shared/ui/message_box.h"

namespace ui {

using namespace winsys;

namespace {

UINT ButtonFlags(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::kOk:
      return MB_OK;
    case MsgBoxButtons::kOkCancel:
      return MB_OKCANCEL;
    case MsgBoxButtons::kYesNo:
      return MB_YESNO;
    case MsgBoxButtons::kYesNoCancel:
      return MB_YESNOCANCEL;
  }
  return MB_OK;
}

UINT IconFlags(MsgBoxIcon icon) {
  switch (icon) {
    case MsgBoxIcon::kNone:
      return 0;
    case MsgBoxIcon::kCritical:
      return MB_ICONERROR;
    case MsgBoxIcon::kQuestion:
      return MB_ICONQUESTION;
    case MsgBoxIcon::kExclamation:
      return MB_ICONWARNING;
    case MsgBoxIcon::kInformation:
      return MB_ICONINFORMATION;
  }
  return 0;
}

MsgBoxAnswer LastButton(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::kOk:
      return MsgBoxAnswer::kOk;
    case MsgBoxButtons::kYesNo:
      return MsgBoxAnswer::kNo;
    case MsgBoxButtons::kOkCancel:
    case MsgBoxButtons::kYesNoCancel:
      return MsgBoxAnswer::kCancel;
  }
  return MsgBoxAnswer::kCancel;
}

}  // namespace

UINT MessageBoxType(MsgBoxButtons buttons, MsgBoxIcon icon) {
  return ButtonFlags(buttons) | IconFlags(icon);
}

MsgBoxAnswer MsgBox(WindowSystem& ws, HWND owner, std::string_view text, MsgBoxButtons buttons,
                    MsgBoxIcon icon, std::string_view title) {
  const int answer = ws.MessageBox(owner, text, title, MessageBoxType(buttons, icon));
  const bool has_ok = buttons == MsgBoxButtons::kOk || buttons == MsgBoxButtons::kOkCancel;
  const bool has_cancel =
      buttons == MsgBoxButtons::kOkCancel || buttons == MsgBoxButtons::kYesNoCancel;
  const bool has_yes_no =
      buttons == MsgBoxButtons::kYesNo || buttons == MsgBoxButtons::kYesNoCancel;
  if (answer == IDOK && has_ok) return MsgBoxAnswer::kOk;
  if (answer == IDCANCEL && has_cancel) return MsgBoxAnswer::kCancel;
  if (answer == IDYES && has_yes_no) return MsgBoxAnswer::kYes;
  if (answer == IDNO && has_yes_no) return MsgBoxAnswer::kNo;
  return LastButton(buttons);
}

}  // namespace ui
